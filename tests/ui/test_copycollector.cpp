// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/copycollector.h"

#include <QKeyEvent>
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

} // namespace

class TestCopyCollector : public QObject
{
    Q_OBJECT
private slots:
    void keepsLettersAndSwallowsOtherPlainKeys_data();
    void keepsLettersAndSwallowsOtherPlainKeys();
    void aHeldKeyIsOneLetter();
    void stoppedItLetsEverythingThrough();
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
    QTest::newRow("letters of other alphabets") << "aשb"
                                                << "AB" << QStringList();
}

void TestCopyCollector::keepsLettersAndSwallowsOtherPlainKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, copy);
    QFETCH(QStringList, passedOn);
    KeyTarget target;
    CopyCollector collector;
    collector.start();
    for (const QChar c : typed) {
        if (c == u'<')
            QTest::keyClick(&target, Qt::Key_Backspace);
        else if (c == u'\t')
            QTest::keyClick(&target, Qt::Key_Tab);
        else if (c == u'\r')
            QTest::keyClick(&target, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(collector.copy(), copy);
    QCOMPARE(target.received, passedOn);
}

void TestCopyCollector::aHeldKeyIsOneLetter()
{
    KeyTarget target;
    CopyCollector collector;
    collector.start();
    QKeyEvent first(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"), true);
    QCoreApplication::sendEvent(&target, &first);
    QCoreApplication::sendEvent(&target, &repeat);
    QCoreApplication::sendEvent(&target, &repeat);
    QCOMPARE(collector.copy(), QStringLiteral("E"));
    // A new start begins a new copy.
    collector.start();
    QCOMPARE(collector.copy(), QString());
}

void TestCopyCollector::stoppedItLetsEverythingThrough()
{
    KeyTarget target;
    CopyCollector collector;
    collector.start();
    // Keys held with Alt or Ctrl are never kept: Alt+S stops a run.
    QTest::keyClick(&target, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(&target, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(target.received, (QStringList{QStringLiteral("Alt+S"), QStringLiteral("Ctrl+C")}));
    QCOMPARE(collector.copy(), QString());
    collector.stop();
    QTest::keyClick(&target, Qt::Key_A);
    QTest::keyClick(&target, Qt::Key_Space);
    QCOMPARE(target.received.mid(2), (QStringList{QStringLiteral("A"), QStringLiteral("Space")}));
    QCOMPARE(collector.copy(), QString());
}

QTEST_MAIN(TestCopyCollector)
#include "test_copycollector.moc"
