// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <optional>
#include <set>

// The translations of the practice windows: Hebrew in full, English for its plural forms.
// Every text has a finished translation that keeps the text's place markers and access key,
// and lupdate finds no text in the sources that the committed translations lack, so that a new
// tr() without its translation fails here rather than reach a learner in English.
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void everyTextHasAFinishedTranslation_data();
    void everyTextHasAFinishedTranslation();
    void translationsKeepMarkersAndAccessKeys_data();
    void translationsKeepMarkersAndAccessKeys();
    void theSourcesHoldNoTextTheTranslationsLack_data();
    void theSourcesHoldNoTextTheTranslationsLack();
    void hebrewReadsRightToLeftWithLatinIsolated();
};

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString type; // of the translation: "unfinished", "vanished", ... or empty when done
    QStringList forms;
    bool numerus = false;

    QString name() const
    {
        return context + QStringLiteral(" / ") + source +
               (comment.isEmpty() ? QString() : QStringLiteral(" (") + comment + u')');
    }
};

std::optional<std::vector<Message>> readMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto element = xml.name();
        if (element == u"name") {
            context = xml.readElementText();
        } else if (element == u"message") {
            Message message;
            message.context = context;
            message.numerus =
                xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
            messages.push_back(message);
        } else if (element == u"source") {
            messages.back().source = xml.readElementText();
        } else if (element == u"comment") {
            messages.back().comment = xml.readElementText();
        } else if (element == u"translation") {
            Message &message = messages.back();
            message.type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!message.numerus)
                message.forms << xml.readElementText();
        } else if (element == u"numerusform") {
            messages.back().forms << xml.readElementText();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return messages;
}

// The place markers of a text (%1, %n) and its access key, as a set to compare.
std::set<QString> markers(const QString &text)
{
    std::set<QString> found;
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found.insert(match.captured());
    QString withoutEscapes = text;
    withoutEscapes.remove(QStringLiteral("&&"));
    if (withoutEscapes.contains(u'&'))
        found.insert(QStringLiteral("&"));
    return found;
}

void addFiles()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("forms");
    QTest::newRow("Hebrew") << QStringLiteral("blinket_he.ts") << QStringList() << 2;
    QTest::newRow("English plural forms")
        << QStringLiteral("blinket_en.ts") << QStringList{QStringLiteral("-pluralonly")} << 2;
}

QString committed(const QString &file)
{
    return QDir(QStringLiteral(BLINKET_TRANSLATIONS_DIR)).filePath(file);
}

} // namespace

void TestTranslations::everyTextHasAFinishedTranslation_data()
{
    addFiles();
}

void TestTranslations::everyTextHasAFinishedTranslation()
{
    QFETCH(QString, file);
    QFETCH(int, forms);
    const std::optional<std::vector<Message>> messages = readMessages(committed(file));
    QVERIFY(messages);
    QVERIFY(!messages->empty());
    for (const Message &message : *messages) {
        QVERIFY2(message.type.isEmpty(),
                 qPrintable(message.type + QStringLiteral(": ") + message.name()));
        QCOMPARE(message.forms.size(), message.numerus ? forms : 1);
        for (const QString &form : message.forms)
            QVERIFY2(!form.trimmed().isEmpty(),
                     qPrintable(QStringLiteral("empty: ") + message.name()));
    }
}

void TestTranslations::translationsKeepMarkersAndAccessKeys_data()
{
    addFiles();
}

void TestTranslations::translationsKeepMarkersAndAccessKeys()
{
    QFETCH(QString, file);
    const std::optional<std::vector<Message>> messages = readMessages(committed(file));
    QVERIFY(messages);
    for (const Message &message : *messages) {
        for (const QString &form : message.forms)
            QVERIFY2(markers(form) == markers(message.source),
                     qPrintable(message.name() + QStringLiteral(" -> ") + form));
    }
}

void TestTranslations::theSourcesHoldNoTextTheTranslationsLack_data()
{
    addFiles();
}

void TestTranslations::theSourcesHoldNoTextTheTranslationsLack()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    // lupdate as the update_translations target runs it, over a scratch copy.
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString copy = scratch.filePath(file);
    QVERIFY(QFile::copy(committed(file), copy));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(BLINKET_LUPDATE),
                  QStringLiteral(BLINKET_LUPDATE_OPTIONS).split(u' ') + options +
                      QStringList{QStringLiteral("-I"), QStringLiteral(BLINKET_SOURCE_DIR),
                                  QStringLiteral("@" BLINKET_TRANSLATED_SOURCES),
                                  QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    const std::optional<std::vector<Message>> before = readMessages(committed(file));
    const std::optional<std::vector<Message>> after = readMessages(copy);
    QVERIFY(before && after);
    for (const Message &message : *after)
        QVERIFY2(message.type.isEmpty(),
                 qPrintable(QStringLiteral("not in the translations: ") + message.name()));
    // A text gone from the sources leaves the translations too (lupdate drops it here).
    QStringList names;
    for (const Message &message : *before)
        names << message.name();
    QStringList found;
    for (const Message &message : *after)
        found << message.name();
    names.sort();
    found.sort();
    QCOMPARE(found, names);
}

void TestTranslations::hebrewReadsRightToLeftWithLatinIsolated()
{
    // A Hebrew line takes its direction from its first strong character: a Latin letter, or a
    // place marker that may bring one ("A to Z"), must not come first without a right-to-left
    // mark before it, or the line is laid out left to right. Latin words with spaces or marks
    // between them ("Ctrl+R", "/tmp/words.txt") stay whole only between two left-to-right
    // marks: Qt 6.4 places a mark at the edge of an isolate on the wrong side. Counts (%n) and
    // access keys ("(&C)") are neither, and nor are numbers written as the locale writes them
    // (%L1).
    const std::optional<std::vector<Message>> messages =
        readMessages(committed(QStringLiteral("blinket_he.ts")));
    QVERIFY(messages);
    static const QRegularExpression hebrew(QStringLiteral("[\\x{0590}-\\x{05FF}]"));
    static const QRegularExpression ignored(QStringLiteral("%L?n|%L\\d|\\(&.\\)"));
    static const QRegularExpression firstStrong(
        QStringLiteral("%\\d|[A-Za-z\\x{0590}-\\x{05FF}\\x{200E}\\x{200F}]"));
    static const QRegularExpression latinRun(
        QStringLiteral("[A-Za-z][^\\x{0590}-\\x{05FF}\\x{200E}\\x{200F}]*[A-Za-z]"));
    static const QRegularExpression wordsOnly(QStringLiteral("^[A-Za-z0-9]*$"));
    constexpr QChar leftToRight(u'\u200E');
    for (const Message &message : *messages) {
        for (const QString &form : message.forms) {
            if (!form.contains(hebrew))
                continue;
            const QString text = QString(form).remove(ignored);
            const QString name = message.name() + QStringLiteral(" -> ") + form;
            const QRegularExpressionMatch first = firstStrong.match(text);
            QVERIFY2(first.captured().contains(hebrew) || first.captured() == u"\u200F",
                     qPrintable(QStringLiteral("starts left to right: ") + name));
            // The marks stand around the whole Latin part, neutral characters at its ends too.
            const auto strong = [](QChar c) {
                return c == u'\u200E' || c == u'\u200F' || (c >= u'\u0590' && c <= u'\u05FF');
            };
            // Two Latin parts with marks between them and nothing right to left read as one,
            // the nearer part to the words before the farther: a right-to-left mark between.
            static const QRegularExpression twoParts(
                QStringLiteral("[A-Za-z]\\x{200E}[^A-Za-z\\x{0590}-\\x{05FF}\\x{200E}\\x{200F}]+"
                               "\\x{200E}[A-Za-z]"));
            QVERIFY2(!text.contains(twoParts),
                     qPrintable(QStringLiteral("Latin parts run together: ") + name));
            for (const QRegularExpressionMatch &run : latinRun.globalMatch(text)) {
                if (wordsOnly.match(run.captured()).hasMatch())
                    continue;
                qsizetype from = run.capturedStart();
                while (from > 0 && !strong(text[from - 1]))
                    --from;
                qsizetype to = run.capturedEnd();
                while (to < text.size() && !strong(text[to]))
                    ++to;
                QVERIFY2(from > 0 && text[from - 1] == leftToRight && to < text.size() &&
                             text[to] == leftToRight,
                         qPrintable(QStringLiteral("not kept whole: ") + name));
            }
        }
    }
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
