// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "practice/practicehistory.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/options/optionswindow.h"
#include "ui/translations.h"
#include "windowharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

using namespace blinket;

namespace {

void type(Form1 &form, const QString &keys)
{
    for (const QChar c : keys)
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString scoreShown(const Form1 &form)
{
    return control<QLabel>(*form.findChild<CopyCheckWindow *>(), "score")->text();
}

// The first dot of a run that sends E: the pause after the two of the lead-in.
qint32 firstFlash(const FakePlatform &platform)
{
    return platform.durations().value(2, -1);
}

} // namespace

class TestOptionsInRuns : public QObject
{
    Q_OBJECT
private slots:
    void theLetterSpeedFromTheFile_data();
    void theLetterSpeedFromTheFile();
    void chosenCharactersJoinTheRunAndItsCopy();
    void badOptionsAreToldOnceBeforeTheFirstFlash();
    void aTextRunSendsTheWordsOfTheFile();
    void theOptionsWindowKeepsWhatTheLearnerSets();
    void theOptionsWindowShowsWhatItCannotUseAndLeavesIt();
    void theOptionsWindowCountsTheWordsOfTheAlphabetChosen_data();
    void theOptionsWindowCountsTheWordsOfTheAlphabetChosen();
    void largeCountsAreWrittenAsTheLocaleWritesThem();
    void theOptionsWindowSetsTheLampKey();
    void theOptionsWindowWritesEachKeyOfTheLight_data();
    void theOptionsWindowWritesEachKeyOfTheLight();
    void theOptionsWindowShowsTheClearLightForValuesItCannotUse();
};

void TestOptionsInRuns::theLetterSpeedFromTheFile_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<qint32>("dot");
    // Speed 5: a unit of 320 ms, a dot of 160. Letters at 15: a unit of 107, a dot of 54.
    QTest::newRow("none") << QByteArray() << 160;
    QTest::newRow("letters at 15") << QByteArray("[signal]\nletterSpeed=15\n") << 54;
    QTest::newRow("letters no faster than the speed")
        << QByteArray("[signal]\nletterSpeed=4\n") << 160;
    // International: a dot of 1200 / 5 ms; letters at 15, of 1200 / 15.
    QTest::newRow("international") << QByteArray("[signal]\ntiming=international\n") << 240;
    QTest::newRow("international, letters at 15")
        << QByteArray("[signal]\nletterSpeed=15\ntiming=International\n") << 80;
}

void TestOptionsInRuns::theLetterSpeedFromTheFile()
{
    QFETCH(QByteArray, options);
    QFETCH(qint32, dot);
    WindowHarness h;
    QVERIFY(h.writeOptions(options));
    h.setSpeedAndMinutes(QStringLiteral("5"), QStringLiteral("0.01"));
    h.platform.scriptDraws({drawFor('E')});
    h.click("Command1");
    QCOMPARE(h.results().section(u'\r', 0, 0), QStringLiteral("E"));
    QCOMPARE(firstFlash(h.platform), dot);
}

void TestOptionsInRuns::chosenCharactersJoinTheRunAndItsCopy()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[runs]\ncharacters=letters,figures\n"));
    constexpr const char16_t *pool = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    h.setSpeedAndMinutes(QStringLiteral("1600"), QStringLiteral("5"));
    h.platform.scriptDraws({drawFrom(pool, u'5'), drawFrom(pool, u'E'), drawFrom(pool, u'0')});
    h.stopAfterTheScriptedDraws();
    h.platform.at(10, [&h] { type(h.form, QStringLiteral("5e0")); });
    h.click("Command1");
    QCOMPARE(h.results().section(u'\r', 0, 0), QStringLiteral("5E0"));
    QCOMPARE(scoreShown(h.form), QStringLiteral("3 of 3 right (100 %)"));
    // Lessons keep their letters, and a digit typed during one is no letter of its copy.
    QVERIFY(h.writeOptions("[runs]\ncharacters=figures\n"));
    h.platform.scriptDraws({drawForPlace(0, 2), drawForPlace(1, 2)});
    h.stopAfterTheScriptedDraws(h.platform.now());
    h.platform.at(h.platform.now() + 10, [&h] { type(h.form, QStringLiteral("w7g")); });
    h.click("Command3(4)");
    QCOMPARE(h.results().section(u'\r', 0, 0), QStringLiteral("WG"));
    QCOMPARE(scoreShown(h.form), QStringLiteral("2 of 2 right (100 %)"));
}

void TestOptionsInRuns::badOptionsAreToldOnceBeforeTheFirstFlash()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[signal]\nletterSpeed=abc\n[runs]\ncharacters=letters,klingon\n"
                           "[drill]\ntext=sentences\nexam=maybe\n"));
    // Speed 20: a dot of 40 ms after a lead-in of 640 ms; one letter in the time.
    h.setSpeedAndMinutes(QStringLiteral("20"), QStringLiteral("0.001"));
    std::optional<std::size_t> stepsWhenTold;
    h.notices.onTell = [&h, &stepsWhenTold] { stepsWhenTold = h.platform.steps().size(); };
    for (int run = 0; run < 2; ++run) {
        h.platform.scriptDraws({drawFor('E')});
        h.platform.at(h.platform.now() + 700, [&h] { type(h.form, QStringLiteral("e")); });
        h.click("Command1");
        // The run goes on as if nothing were set, and its copy is checked.
        QCOMPARE(firstFlash(h.platform), 40);
        QCOMPARE(scoreShown(h.form), QStringLiteral("1 of 1 right (100 %)"));
        h.platform.clearLog();
    }
    // One box, all four problems in it, before anything was sent; none at the second run.
    QCOMPARE(h.notices.told.size(), 1);
    QCOMPARE(stepsWhenTold, std::optional<std::size_t>(0));
    for (const char *problem : {"letter speed abc", "klingon", "sentences", "maybe"})
        QVERIFY2(h.notices.told.front().contains(QLatin1String(problem)), problem);
    QVERIFY(h.form.findChildren<QMessageBox *>().isEmpty());
    QVERIFY(h.reporter.reports.isEmpty());
}

void TestOptionsInRuns::aTextRunSendsTheWordsOfTheFile()
{
    WindowHarness h;
    const QString words = h.dataHome.filePath(QStringLiteral("words.txt"));
    QVERIFY(writeFile(words, "sea ship\r\nl'été mast\n"));
    QVERIFY(h.writeOptions("[runs]\ntextFile=" + words.toUtf8() + '\n'));
    // Speed 8, a unit of 200: the lead-in takes 1600 ms, SEA 2800; the run's three seconds
    // are over after SHIP.
    h.setSpeedAndMinutes(QStringLiteral("8"), QStringLiteral("0.05"));
    h.platform.scriptDraws({0.0f});
    h.platform.at(2000, [&h] { type(h.form, QStringLiteral("sea")); });
    h.platform.at(6000, [&h] { type(h.form, QStringLiteral("shop")); });
    h.click("textRunButton");
    QCOMPARE(h.results().section(u'\r', 0, 0), QStringLiteral("SEA SHIP"));
    QCOMPARE(scoreShown(h.form), QStringLiteral("6 of 7 right (85 %)"));
    PracticeHistory history(h.historyFolder());
    const auto runs = history.allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().kind, RunKind::Text);
    QCOMPARE(runs->front().sent, QStringLiteral("SEASHIP"));
}

void TestOptionsInRuns::theOptionsWindowKeepsWhatTheLearnerSets()
{
    WindowHarness h;
    h.form.show();
    h.click("optionsButton");
    auto *window = h.form.findChild<OptionsWindow *>();
    QVERIFY(window && window->isVisible());
    auto *letterSpeed = control<QLineEdit>(*window, "letterSpeed");
    letterSpeed->setText(QStringLiteral("nine"));
    emit letterSpeed->editingFinished();
    QVERIFY(!control<QLabel>(*window, "letterSpeedProblem")->text().isEmpty());
    letterSpeed->setText(QStringLiteral("12"));
    emit letterSpeed->editingFinished();
    control<QCheckBox>(*window, "punctuation")->setChecked(true);
    control<QRadioButton>(*window, "timingInternational")->click();
    QVERIFY(control<QLabel>(*window, "letterSpeedProblem")->text().isEmpty());
    const QByteArray file =
        contentsOf(h.dataHome.filePath(QStringLiteral("config/blinket/blinket.conf")));
    QVERIFY2(file.contains("letterSpeed=12"), file.constData());
    QVERIFY2(file.contains("characters=\"letters,punctuation\""), file.constData());
    QVERIFY2(file.contains("timing=international"), file.constData());
    // Save writes the settings file as it always did: the options are not in it.
    QVERIFY(QDir::setCurrent(h.dataHome.path()));
    h.click("Command4");
    QCOMPARE(contentsOf(h.dataHome.filePath(QStringLiteral("blinket.txt"))),
             QByteArray("4\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n"));
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TestOptionsInRuns::theOptionsWindowShowsWhatItCannotUseAndLeavesIt()
{
    WindowHarness h;
    // A text file briefly out of reach, and a letter speed written by hand.
    const QString words = h.dataHome.filePath(QStringLiteral("words.txt"));
    QVERIFY(h.writeOptions("[signal]\nletterSpeed=abc\n[runs]\ntextFile=" + words.toUtf8() + '\n'));
    h.form.show();
    h.click("optionsButton");
    auto *window = h.form.findChild<OptionsWindow *>();
    auto *letterSpeed = control<QLineEdit>(*window, "letterSpeed");
    QCOMPARE(letterSpeed->text(), QStringLiteral("abc"));
    QVERIFY(control<QLabel>(*window, "letterSpeedProblem")->text().contains(u"abc"));
    QCOMPARE(control<QLineEdit>(*window, "textFile")->text(), words);
    QVERIFY(control<QLabel>(*window, "textFileWords")->text().contains(u"cannot be read"));
    // What the learner changes is written, and nothing else.
    control<QCheckBox>(*window, "figures")->setChecked(true);
    letterSpeed->setText(QStringLiteral("100000"));
    emit letterSpeed->editingFinished();
    QVERIFY(control<QLabel>(*window, "letterSpeedProblem")->text().contains(u"is 24"));
    const QByteArray file =
        contentsOf(h.dataHome.filePath(QStringLiteral("config/blinket/blinket.conf")));
    QVERIFY2(file.contains("letterSpeed=abc"), file.constData());
    QVERIFY2(file.contains("textFile=" + words.toUtf8()), file.constData());
    QVERIFY2(file.contains("characters=\"letters,figures\""), file.constData());
}

void TestOptionsInRuns::theOptionsWindowCountsTheWordsOfTheAlphabetChosen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");         // with Hebrew letters
    QTest::addColumn<QString>("otherAlphabet"); // once the Hebrew box is unticked
    QTest::newRow("Hebrew words") << QString::fromUtf16(u"שָׁלוֹם כָּל־הָאָרֶץ, ים!").toUtf8()
                                  << QStringLiteral("3 word(s) to send (1 passed")
                                  << QStringLiteral("Tick Hebrew letters in Options");
    QTest::newRow("Latin words") << QByteArray("sea wind")
                                 << QStringLiteral("Untick Hebrew letters in Options")
                                 << QStringLiteral("2 word(s) to send.");
}

void TestOptionsInRuns::theOptionsWindowCountsTheWordsOfTheAlphabetChosen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QString, otherAlphabet);
    WindowHarness h;
    const QString words = h.dataHome.filePath(QStringLiteral("words.txt"));
    QVERIFY(writeFile(words, bytes));
    QVERIFY(h.writeOptions("[runs]\ncharacters=hebrew\ntextFile=" + words.toUtf8()));
    h.form.show();
    h.click("optionsButton");
    auto *window = h.form.findChild<OptionsWindow *>();
    auto *count = control<QLabel>(*window, "textFileWords");
    QVERIFY2(count->text().contains(shown), qPrintable(count->text()));
    control<QCheckBox>(*window, "hebrew")->setChecked(false);
    QVERIFY2(count->text().contains(otherAlphabet), qPrintable(count->text()));
}

void TestOptionsInRuns::largeCountsAreWrittenAsTheLocaleWritesThem()
{
    WindowHarness h;
    const QString words = h.dataHome.filePath(QStringLiteral("words.txt"));
    QVERIFY(writeFile(words, QByteArray("SEA ").repeated(1234)));
    QVERIFY(h.writeOptions("[runs]\ntextFile=" + words.toUtf8() + '\n'));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installTranslations(*qApp);
    h.form.show();
    h.click("optionsButton");
    const QString shown =
        control<QLabel>(*h.form.findChild<OptionsWindow *>(), "textFileWords")->text();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(shown, QStringLiteral("1,234 words to send."));
}

void TestOptionsInRuns::theOptionsWindowSetsTheLampKey()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[keying]\nkey=Ctrl+A\nsend=poems\n"));
    h.form.show();
    h.click("optionsButton");
    auto *window = h.form.findChild<OptionsWindow *>();
    auto *lampKey = control<QLabel>(*window, "lampKey");
    auto *problem = control<QLabel>(*window, "keyingProblem");
    QCOMPARE(lampKey->text(), QStringLiteral("Ctrl+A"));
    QVERIFY(problem->text().contains(u"Ctrl+A") && problem->text().contains(u"poems"));
    auto *set = control<QPushButton>(*window, "setLampKey");
    const QString path = h.dataHome.filePath(QStringLiteral("config/blinket/blinket.conf"));
    // Enter is refused, and Esc gives up without closing the window; the file is as it was.
    QTest::mouseClick(set, Qt::LeftButton);
    QTest::keyClick(set, Qt::Key_Return);
    QVERIFY(problem->text().contains(u"Enter ends the keying"));
    QTest::mouseClick(set, Qt::LeftButton);
    QTest::keyClick(set, Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QVERIFY(contentsOf(path).contains("key=Ctrl+A"));
    // A modifier alone is a key; the send= written by hand stays.
    QTest::mouseClick(set, Qt::LeftButton);
    QTest::keyClick(set, Qt::Key_Control);
    QCOMPARE(lampKey->text(), QStringLiteral("Ctrl"));
    const QByteArray file = contentsOf(path);
    QVERIFY2(file.contains("[keying]\nkey=Ctrl\n") && file.contains("send=poems"),
             file.constData());
    QVERIFY(!problem->text().contains(u"Ctrl") && problem->text().contains(u"poems"));
}

void TestOptionsInRuns::theOptionsWindowWritesEachKeyOfTheLight_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("accessKey");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QByteArray>("written");
    const auto keys = [](std::initializer_list<Qt::Key> pressed, const char *typed = "") {
        QTestEventList events;
        for (const Qt::Key key : pressed)
            events.addKeyClick(key);
        events.addKeyClicks(QString::fromLatin1(typed));
        return events;
    };
    // A check box ticks when its access key is let go.
    QTest::newRow("far off") << "distance" << int(Qt::Key_F) << keys({})
                             << QByteArray("distance=true");
    QTest::newRow("haze typed") << "haze" << int(Qt::Key_Z) << keys({Qt::Key_Backspace}, "45\r")
                                << QByteArray("haze=45");
    QTest::newRow("shimmer stepped")
        << "shimmer" << int(Qt::Key_M) << keys({Qt::Key_Up}) << QByteArray("shimmer=1");
    QTest::newRow("sky") << "sky" << int(Qt::Key_K) << keys({Qt::Key_Down, Qt::Key_Down})
                         << QByteArray("sky=dusk");
    QTest::newRow("hand by pages")
        << "hand" << int(Qt::Key_D) << keys({Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp})
        << QByteArray("hand=30");
}

void TestOptionsInRuns::theOptionsWindowWritesEachKeyOfTheLight()
{
    QFETCH(QString, control);
    QFETCH(int, accessKey);
    QFETCH(QTestEventList, keys);
    QFETCH(QByteArray, written);
    WindowHarness h;
    h.form.show();
    h.click("optionsButton");
    auto *window = h.form.findChild<OptionsWindow *>();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // The wheel turned over it, to scroll the window past, changes nothing.
    QWidget *turned = blinket::control(*window, control);
    for (const int delta : {120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), turned->mapToGlobal(QPointF(5, 5)), {}, {0, delta},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(turned, &wheel);
    }
    QVERIFY(!contentsOf(h.dataHome.filePath(QStringLiteral("config/blinket/blinket.conf")))
                 .contains("[light]"));
    QTest::keyClick(window, Qt::Key(accessKey), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), blinket::control(*window, control));
    keys.simulate(QApplication::focusWidget());
    // That key alone, written at once.
    QTRY_COMPARE(contentsOf(h.dataHome.filePath(QStringLiteral("config/blinket/blinket.conf"))),
                 "[light]\n" + written + '\n');
}

void TestOptionsInRuns::theOptionsWindowShowsTheClearLightForValuesItCannotUse()
{
    WindowHarness h;
    QVERIFY(h.writeOptions("[light]\nhaze=abc\nshutter=500\nhand=9\n"));
    h.form.show();
    h.click("optionsButton");
    auto *window = h.form.findChild<OptionsWindow *>();
    auto *problem = control<QLabel>(*window, "lightProblem");
    QVERIFY2(problem->text().contains(u"abc") && problem->text().contains(u"500"),
             qPrintable(problem->text()));
    QCOMPARE(control<QSpinBox>(*window, "hand")->value(), 9);
    // A haze stepped up from the clear light's replaces the one written by hand; the other
    // values stay, and are still told.
    QTest::keyClick(control(*window, "haze"), Qt::Key_Up);
    QVERIFY(!problem->text().contains(u"abc") && problem->text().contains(u"500"));
    const QByteArray file =
        contentsOf(h.dataHome.filePath(QStringLiteral("config/blinket/blinket.conf")));
    QVERIFY2(file.contains("haze=1\n") && file.contains("shutter=500\n"), file.constData());
}

QTEST_MAIN(TestOptionsInRuns)
#include "test_optionsinruns.moc"
