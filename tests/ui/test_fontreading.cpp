// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "practice/practicesession.h"
#include "ui/main/fontconfiguration.h"
#include "ui/main/form1.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QTest>

using namespace blinket;

namespace {

// The threads of this process, as the kernel lists them.
qsizetype threadCount()
{
    return QDir(QStringLiteral("/proc/self/task"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
        .size();
}

} // namespace

// Started as the program starts: the reading begins before the application object exists
// (see main below), and the window is built while it may still be going on.
class TestFontReading : public QObject
{
    Q_OBJECT
private slots:
    void theWindowBuiltDuringTheReadingHasItsFonts();
    void aReadingWhoseApplicationNeverStartedStillEnds();
    void waitingForAReadingNeverStartedReturnsAtOnce();
};

void TestFontReading::theWindowBuiltDuringTheReadingHasItsFonts()
{
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    QCOMPARE(QFontInfo(control<QPlainTextEdit>(form, "Text1")->font()).family(),
             QStringLiteral("DejaVu Sans"));
    QCOMPARE(QFontInfo(control<QPushButton>(form, "Command2")->font()).family(),
             QStringLiteral("DejaVu Sans"));
    QCOMPARE(QFontInfo(control<QLabel>(form, "Label4", 0)->font()).family(),
             QStringLiteral("Aharoni CLM"));
    QVERIFY(QFontInfo(control<QLabel>(form, "Label4", 0)->font()).bold());
    QCOMPARE(control<QComboBox>(form, "Combo1")->currentText(), QStringLiteral("4"));
    QCOMPARE(control<QLineEdit>(form, "Text2")->text(), QStringLiteral("3"));
    QCOMPARE(control<QPlainTextEdit>(form, "Text1")->toPlainText(),
             QStringLiteral("בתום השידור יפיעו כאן האותיות ששודרו"));
}

void TestFontReading::aReadingWhoseApplicationNeverStartedStillEnds()
{
    // A program that ends before its application object is made must not hang on the way
    // out: the reading waits for that object, and finishing tells it to stop waiting.
    finishReadingFonts();
    const qsizetype before = threadCount();
    startReadingFonts();
    QCOMPARE(threadCount(), before + 1);
    waitForFontConfiguration();
    // Still waiting for the application object.
    QCOMPARE(threadCount(), before + 1);
    finishReadingFonts();
    QCOMPARE(threadCount(), before);
    finishReadingFonts();
}

void TestFontReading::waitingForAReadingNeverStartedReturnsAtOnce()
{
    // As in every other test, where the window is built with no reading started.
    waitForFontConfiguration();
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    QVERIFY(control<QPlainTextEdit>(form, "Text1"));
}

int main(int argc, char *argv[])
{
    startReadingFonts();
    QApplication app(argc, argv);
    applicationStarted();
    TestFontReading test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fontreading.moc"
