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
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
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

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
