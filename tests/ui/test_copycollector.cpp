// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "practice/practicesession.h"
#include "signal/characters.h"
#include "ui/copycollector.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace blinket;

namespace {

// Notes the keys that reach it, all but the modifier keys themselves.
class KeyTarget : public QWidget
{
public:
    QStringList received;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() != Qt::Key_Alt && key->key() != Qt::Key_Control)
                received << QKeySequence(key->keyCombination()).toString();
        }
        return QWidget::event(event);
    }
};

// A window collecting the copy of a run into a session of its own.
struct Collecting
{
    Collecting() { session.beginRun({}, QString()); }
    // What the run's copy holds once it is over.
    QString copy()
    {
        session.endRun({}, QStringLiteral("E"));
        return session.copy();
    }

    QTemporaryDir folder;
    PracticeSession session{folder.path()};
    KeyTarget target;
    FakePlatform platform;
    CopyCollector collector{target, session, platform};
};

} // namespace

class TestCopyCollector : public QObject
{
    Q_OBJECT
private slots:
    void keepsLettersAndSwallowsOtherPlainKeys_data();
    void keepsLettersAndSwallowsOtherPlainKeys();
    void aHeldKeyIsOneLetter();
    void stoppedItLetsEverythingThrough();
    void keysOfOtherWindowsAreTheirs();
    void aDrillsAnswersAreTypedAndTimed();
    void theIsraeliQAndWKeysStandForTwoCharacters();
};

void TestCopyCollector::keepsLettersAndSwallowsOtherPlainKeys_data()
{
    QTest::addColumn<QString>("typed"); // key names, one per character: "<" is Backspace
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QStringList>("passedOn");
    QTest::newRow("letters in either case") << "eIsH"
                                            << "EISH" << QStringList();
    QTest::newRow("backspace takes back the last") << "ab<c"
                                                   << "AC" << QStringList();
    QTest::newRow("backspace on nothing") << "<<e"
                                          << "E" << QStringList();
    QTest::newRow("spaces and digits are ignored") << "a 7b."
                                                   << "AB" << QStringList();
    QTest::newRow("tab keeps its work") << "a\tb"
                                        << "AB" << QStringList{QStringLiteral("Tab")};
    QTest::newRow("letters of another alphabet") << "aжb"
                                                 << "AB" << QStringList();
}

void TestCopyCollector::keepsLettersAndSwallowsOtherPlainKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, copy);
    QFETCH(QStringList, passedOn);
    Collecting c;
    KeyTarget &target = c.target;
    c.collector.start();
    for (const QChar key : typed) {
        if (key == u'<')
            QTest::keyClick(&target, Qt::Key_Backspace);
        else if (key == u'\t')
            QTest::keyClick(&target, Qt::Key_Tab);
        else if (key == u'\r')
            QTest::keyClick(&target, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_unknown, QString(key),
                                Qt::NoModifier);
    }
    QCOMPARE(c.copy(), copy);
    QCOMPARE(target.received, passedOn);
}

void TestCopyCollector::aHeldKeyIsOneLetter()
{
    Collecting c;
    c.collector.start();
    QKeyEvent first(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"), true);
    QCoreApplication::sendEvent(&c.target, &first);
    QCoreApplication::sendEvent(&c.target, &repeat);
    QCoreApplication::sendEvent(&c.target, &repeat);
    QCOMPARE(c.copy(), QStringLiteral("E"));
}

void TestCopyCollector::stoppedItLetsEverythingThrough()
{
    Collecting c;
    KeyTarget &target = c.target;
    c.collector.start();
    // Keys held with Alt or Ctrl are never kept: Alt+S stops a run.
    QTest::keyClick(&target, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(&target, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(target.received, (QStringList{QStringLiteral("Alt+S"), QStringLiteral("Ctrl+C")}));
    c.collector.stop();
    QTest::keyClick(&target, Qt::Key_A);
    QTest::keyClick(&target, Qt::Key_Space);
    QCOMPARE(target.received.mid(2), (QStringList{QStringLiteral("A"), QStringLiteral("Space")}));
    QCOMPARE(c.copy(), QString());
}

void TestCopyCollector::keysOfOtherWindowsAreTheirs()
{
    Collecting c;
    KeyTarget other; // a message box, the Copy check window
    c.collector.start();
    QTest::keyClick(&other, Qt::Key_Space);
    QTest::keyClick(&other, Qt::Key_X);
    QTest::keyClick(&c.target, Qt::Key_E);
    QCOMPARE(other.received, (QStringList{QStringLiteral("Space"), QStringLiteral("X")}));
    QCOMPARE(c.copy(), QStringLiteral("E"));
}

void TestCopyCollector::aDrillsAnswersAreTypedAndTimed()
{
    Collecting c;
    c.collector.startDrill(QString());
    for (const QChar key : QStringLiteral("ab<c"))
        key == u'<' ? QTest::keyClick(&c.target, Qt::Key_Backspace)
                    : QTest::sendKeyEvent(QTest::Click, &c.target, Qt::Key_unknown, QString(key),
                                          Qt::NoModifier);
    c.platform.Sleep(1500);
    QTest::keyClick(&c.target, Qt::Key_Return);
    QTest::sendKeyEvent(QTest::Click, &c.target, Qt::Key_unknown, QStringLiteral("e"),
                        Qt::NoModifier);
    QTest::keyClick(&c.target, Qt::Key_R, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, &c.target, Qt::Key_unknown, QStringLiteral("t"),
                        Qt::NoModifier);
    // Ctrl and the R key on the Israeli layout, where it writes ר.
    QTest::sendKeyEvent(QTest::Click, &c.target, Qt::Key(0x05E8), QString(), Qt::ControlModifier);
    const std::optional<ReceiverAnswer> first = c.collector.nextAnswer();
    QVERIFY(first && first->kind == ReceiverAnswer::Kind::Acknowledge);
    QCOMPARE(first->typed, QStringLiteral("AC"));
    QCOMPARE(first->at, 1.5);
    const std::optional<ReceiverAnswer> second = c.collector.nextAnswer();
    QVERIFY(second && second->kind == ReceiverAnswer::Kind::Repeat);
    QCOMPARE(second->typed, QStringLiteral("E"));
    const std::optional<ReceiverAnswer> third = c.collector.nextAnswer();
    QVERIFY(third && third->kind == ReceiverAnswer::Kind::Repeat);
    QCOMPARE(third->typed, QStringLiteral("T"));
    QVERIFY(!c.collector.nextAnswer());
    QCOMPARE(c.collector.typing(), QString());
}

void TestCopyCollector::theIsraeliQAndWKeysStandForTwoCharacters()
{
    // The Q and W keys (24 and 25 to the window system) and the slash key of a Latin layout
    // (61), in a drill whose text may hold the marks.
    Collecting c;
    c.collector.startDrill(charactersOf({true, true, true, true}));
    for (const auto &[scanCode, text] :
         {std::pair(24u, u"/"), std::pair(25u, u"'"), std::pair(61u, u"/")}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, scanCode, 0, 0,
                      QString::fromUtf16(text));
        QCoreApplication::sendEvent(&c.target, &key);
    }
    QCOMPARE(c.collector.typing(), QString(qOrSlash) + wOrApostrophe + u'/');
}

QTEST_MAIN(TestCopyCollector)
#include "test_copycollector.moc"
