// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakereceiver.h"
#include "fakerunview.h"
#include "runs/messagedrill.h"

#include <QTest>

using namespace blinket;
using Kind = ReceiverAnswer::Kind;

namespace {

// At 4 words a minute after a lead-in of 3.2 s: E lasts 1.2 s, T 2 s, DE 4.2 s, AA 4 s, AR
// 4.4 s, the group pause 4 s. The station is ETTE; a learner answering at once is seen 10 ms on,
// and the next flash follows at once: the exact times below hold only then.
struct DrillRun : RunHarness
{
    explicit DrillRun(const char *groups, const char *minutes = "0.25")
    {
        view.text2 = QString::fromLatin1(minutes);
        platform.scriptDraws(
            {drawFor('E'), drawForPlace(19, 36), drawForPlace(19, 36), drawForPlace(4, 36)});
        for (const char *letter = groups; *letter; ++letter)
            platform.scriptDraws({drawFor(*letter)});
        // A drill that waits on for ever is a fault to fail on, not to hang on.
        platform.at(300000, [this] { state.Running = 0; });
    }
    void drill(DrillForm form = DrillForm::Practice)
    {
        result = MessageDrill(sender, learner, form, evenChoice(QString())).run();
    }
    void drill(WordSource &words)
    {
        result = MessageDrill(sender, learner, DrillForm::Practice, words).run();
    }
    const DrillOutcome &outcome() const { return *result.drill; }
    ShownSigns shown() const { return shownSigns(platform); }

    FakeReceiver learner{platform};
    RunResult result;
};

} // namespace

class TestMessageDrill : public QObject
{
    Q_OBJECT
private slots:
    void callRepeatsUntilAnswered_data();
    void callRepeatsUntilAnswered();
    void theIdentityIsTypedBack_data();
    void theIdentityIsTypedBack();
    void anAnswerCountsOnlyOnceItsGroupIsSent();
    void theQKeyOfTheIsraeliLayoutTypesAQInAnIdentity();
    void aHebrewDrillHasAHebrewIdentity();
    void stoppingKeepsWhatWasTypedOfTheText_data();
    void stoppingKeepsWhatWasTypedOfTheText();
    void eachStepIsShown_data();
    void eachStepIsShown();
    void repeatRequestSendsTheGroupOnceMore();
    void acknowledgedEndEndsTheDrill();
    void stopEndsTheDrillAtEveryStep_data();
    void stopEndsTheDrillAtEveryStep();
    void examSendsEachGroupTwiceWithoutWaiting();
};

void TestMessageDrill::callRepeatsUntilAnswered_data()
{
    QTest::addColumn<QString>("letterSpeed");
    QTest::addColumn<qint64>("answerAfter"); // ms after the first call ends; -1 for none
    QTest::addColumn<QList<qint64>>("calls");
    QTest::addColumn<qint64>("identityAt"); // D's first flash; -1 for none
    // AA at 3.2 s and every 8 s on; the pauses from 7.2 s, 15.2 s, ...
    QTest::newRow("answered in a pause")
        << QString() << qint64(10003) << QList<qint64>{3200, 11200} << qint64(17210);
    QTest::newRow("answered while calling")
        << QString() << qint64(12003) << QList<qint64>{3200, 11200, 19200} << qint64(23200);
    QTest::newRow("nobody answers")
        << QString() << qint64(-1) << QList<qint64>{3200, 11200, 19200, 27200} << qint64(-1);
    // Letters at 8: dots 100 ms, closing gaps 1433 ms, the pause four of them.
    QTest::newRow("letters faster")
        << QStringLiteral("8") << qint64(-1) << QList<qint64>{4586, 13251, 21916} << qint64(-1);
}

void TestMessageDrill::callRepeatsUntilAnswered()
{
    QFETCH(QString, letterSpeed);
    QFETCH(qint64, answerAfter);
    QFETCH(QList<qint64>, calls);
    QFETCH(qint64, identityAt);
    DrillRun run("TTTTT");
    run.sender.setLetterSpeed(letterSpeed);
    if (answerAfter >= 0) {
        run.learner.script(Kind::Acknowledge, "", answerAfter);
        run.learner.acknowledge({"ETTE", "TTTTT", ""});
    } else {
        run.platform.at(calls.back() + 1, [&] { run.state.Running = 0; });
    }
    run.drill();
    QCOMPARE(run.shown().times.value(u'^'), calls);
    QCOMPARE(run.shown().times.value(u'D').value(0, -1), identityAt);
    QCOMPARE(run.outcome().completed, answerAfter >= 0);
}

void TestMessageDrill::theIdentityIsTypedBack_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QStringList>("answers"); // "?" before an answer asks for a repeat
    QTest::addColumn<QString>("shown");
    const auto row = [](const char *name, const char *minutes,
                        std::initializer_list<const char *> answers, const char *shown) {
        QStringList given;
        for (const char *answer : answers)
            given << QString::fromLatin1(answer);
        QTest::newRow(name) << QString::fromLatin1(minutes) << given << QString::fromLatin1(shown);
    };
    row("right at once", "0.25", {"", "ette", "TTTTT", ""}, "^DEETTETTTTT+");
    row("with spaces", "0.25", {"", "E T TE", "TTTTT", ""}, "^DEETTETTTTT+");
    row("wrong, sent again", "0.25", {"", "ETTA", "ette", "TTTTT", ""}, "^DEETTEDEETTETTTTT+");
    row("a repeat asked for", "0.25", {"", "?ET", "ETTE", "TTTTT", ""}, "^DEETTEDEETTETTTTT+");
    // Minutes that make no whole group at the speed still make one.
    row("too short for a group", "0.01", {"", "ETTE", "TTTTT", ""}, "^DEETTETTTTT+");
}

void TestMessageDrill::theIdentityIsTypedBack()
{
    QFETCH(QString, minutes);
    QFETCH(QStringList, answers);
    QFETCH(QString, shown);
    DrillRun run("TTTTT", minutes.toLatin1().constData());
    for (const QString &answer : answers) {
        if (answer.startsWith(u'?'))
            run.learner.script(Kind::Repeat, answer.mid(1).toLatin1().constData());
        else
            run.learner.script(Kind::Acknowledge, answer.toLatin1().constData());
    }
    run.drill();
    QCOMPARE(run.shown().text, shown);
    QVERIFY(run.outcome().completed);
}

void TestMessageDrill::anAnswerCountsOnlyOnceItsGroupIsSent()
{
    // The group's T's from 21.82 s to 31.82 s; Enter pressed during them, after the first two,
    // answers nothing, and what was typed with it stays for the answer that counts.
    DrillRun run("TTTTT");
    run.learner.acknowledge({"", "ETTE"});
    run.platform.at(23020, [&run] { run.learner.give(Kind::Acknowledge, QStringLiteral("TT")); });
    run.learner.acknowledge({"TTT", ""});
    run.drill();
    QCOMPARE(run.shown().text, QStringLiteral("^DEETTETTTTT+"));
    QCOMPARE(run.outcome().copy, QStringLiteral("TTTTT"));
    QVERIFY(run.outcome().completed);
}

void TestMessageDrill::theQKeyOfTheIsraeliLayoutTypesAQInAnIdentity()
{
    // The identity Q2Q7, typed on the Israeli layout, whose Q key writes '/'.
    RunHarness run;
    run.view.text2 = QStringLiteral("0.25");
    constexpr const char16_t *lettersAndFigures = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    run.platform.scriptDraws({drawFor('Q'), drawFrom(lettersAndFigures, u'2'),
                              drawFrom(lettersAndFigures, u'Q'),
                              drawFrom(lettersAndFigures, u'7')});
    run.platform.scriptDraws(std::vector<float>(5, drawFor('T')));
    run.platform.at(300000, [&run] { run.state.Running = 0; });
    FakeReceiver learner(run.platform);
    learner.acknowledge({""});
    learner.script(Kind::Acknowledge, "\xEE\x81\x91"
                                      "2\xEE\x81\x91"
                                      "7");
    learner.acknowledge({"TTTTT", ""});
    const RunResult result =
        MessageDrill(run.sender, learner, DrillForm::Practice, evenChoice(QString())).run();
    QCOMPARE(shownSigns(run.platform).text, QStringLiteral("^DEQ2Q7TTTTT+"));
    QVERIFY(result.drill->completed);
}

void TestMessageDrill::aHebrewDrillHasAHebrewIdentity()
{
    // The identity ש2ל7 of a drill of Hebrew letters: a Hebrew letter first, then Hebrew letters
    // and figures; ש and ל are sent as S and L are.
    RunHarness run;
    run.view.text2 = QStringLiteral("0.25");
    constexpr const char16_t *lettersAndFigures = u"אבגדהוזחטיכלמנסעפצקרשת0123456789";
    run.platform.scriptDraws({drawFrom(u"אבגדהוזחטיכלמנסעפצקרשת", u'ש'),
                              drawFrom(lettersAndFigures, u'2'), drawFrom(lettersAndFigures, u'ל'),
                              drawFrom(lettersAndFigures, u'7')});
    run.platform.scriptDraws(std::vector<float>(5, drawFor('T')));
    run.platform.at(300000, [&run] { run.state.Running = 0; });
    FakeReceiver learner(run.platform);
    learner.acknowledge({""});
    learner.script(Kind::Acknowledge, "ש2ל7");
    learner.acknowledge({"TTTTT", ""});
    MessageDrill drill(run.sender, learner, DrillForm::Practice, evenChoice(QString()));
    drill.identifyWith(hebrewLetters().toString());
    const RunResult result = drill.run();
    QCOMPARE(shownSigns(run.platform).text, QStringLiteral("^DES2L7TTTTT+"));
    QVERIFY(result.drill->completed);
}

void TestMessageDrill::stoppingKeepsWhatWasTypedOfTheText_data()
{
    QTest::addColumn<DrillForm>("form");
    QTest::addColumn<qint64>("stopAt");
    QTest::addColumn<QString>("copy");
    // Practice: the first group answered, the second half typed when Stop comes. The exam:
    // its groups from 17.81 s, each sent twice.
    QTest::newRow("practice") << DrillForm::Practice << qint64(40000) << QStringLiteral("TTTTT EE");
    QTest::newRow("exam") << DrillForm::Exam << qint64(40000) << QStringLiteral("TTTTTEE");
}

void TestMessageDrill::stoppingKeepsWhatWasTypedOfTheText()
{
    QFETCH(DrillForm, form);
    QFETCH(qint64, stopAt);
    QFETCH(QString, copy);
    DrillRun run("TTTTTEEEEE", "0.5");
    if (form == DrillForm::Practice)
        run.learner.acknowledge({"", "ETTE", "TTTTT"});
    else
        run.learner.acknowledge({"ETTE"});
    if (form == DrillForm::Exam)
        run.platform.at(30000, [&run] { run.learner.give(Kind::Repeat, QStringLiteral("TTTTT")); });
    run.platform.at(stopAt - 100, [&run] { run.learner.typingNow = QStringLiteral("EE"); });
    run.platform.at(stopAt, [&run] { run.state.Running = 0; });
    run.drill(form);
    QCOMPARE(run.outcome().copy, copy);
    QVERIFY(!run.outcome().completed);
}

void TestMessageDrill::eachStepIsShown_data()
{
    QTest::addColumn<DrillForm>("form");
    QTest::addColumn<QString>("steps");
    QTest::newRow("practice") << DrillForm::Practice
                              << QStringLiteral("call identity group 1/2 group 2/2 ending none");
    QTest::newRow("exam") << DrillForm::Exam
                          << QStringLiteral("identity exam 1/5 exam 2/5 exam 3/5 exam 4/5 "
                                            "exam 5/5 ending none");
}

void TestMessageDrill::eachStepIsShown()
{
    QFETCH(DrillForm, form);
    QFETCH(QString, steps);
    DrillRun run("TTTTTEEEEETTTTTEEEEETTTTT", "0.5");
    if (form == DrillForm::Practice)
        run.learner.acknowledge({"", "ETTE", "TTTTT", "EEEEE", ""});
    else
        run.learner.acknowledge({"ETTE", ""});
    run.drill(form);
    QStringList shown;
    for (const DrillStep &step : run.view.drillSteps) {
        QVERIFY(step.exam == (form == DrillForm::Exam));
        switch (step.kind) {
        case DrillStep::Kind::None:
            shown << QStringLiteral("none");
            break;
        case DrillStep::Kind::Call:
            shown << QStringLiteral("call");
            break;
        case DrillStep::Kind::Identity:
            shown << QStringLiteral("identity");
            break;
        case DrillStep::Kind::Group:
            shown << QStringLiteral("group %1/%2").arg(step.group).arg(step.groups);
            break;
        case DrillStep::Kind::ExamGroup:
            shown << QStringLiteral("exam %1/%2").arg(step.group).arg(step.groups);
            break;
        case DrillStep::Kind::Ending:
            shown << QStringLiteral("ending");
            break;
        }
    }
    QCOMPARE(shown.join(u' '), steps);
}

void TestMessageDrill::repeatRequestSendsTheGroupOnceMore()
{
    DrillRun run("TTTTTEEEEE", "0.5");
    run.learner.acknowledge({"", "ETTE"});
    run.learner.script(Kind::Repeat, "TT");
    run.learner.acknowledge({"TTTTT", "EEEEX", ""});
    run.drill();
    QCOMPARE(run.shown().text, QStringLiteral("^DEETTETTTTTTTTTTEEEEE+"));
    QCOMPARE(run.view.text1Value, QStringLiteral("TTTTT  EEEEE\r\n49.06  Sec."));
    QCOMPARE(run.result.lettersSent, QStringLiteral("TTTTT  EEEEE"));
    QCOMPARE(run.outcome().copy, QStringLiteral("TTTTT EEEEX"));
    QCOMPARE(run.outcome().repeats, 1);
}

void TestMessageDrill::acknowledgedEndEndsTheDrill()
{
    DrillRun run("", "0.5");
    run.learner.acknowledge({"", "ETTE", "TE", "ET"});
    run.learner.script(Kind::Repeat); // AR is not sent again
    run.learner.script(Kind::Acknowledge, "R", 3000);
    ListedWords words("TE ET");
    run.drill(words);
    QCOMPARE(run.shown().text, QStringLiteral("^DEETTETEET+"));
    // AR ends at 32.64 s; the window comes back as the answer is seen, 3 s after the repeat.
    QCOMPARE(run.view.text1Value, QStringLiteral("TE ET\r\n32.45  Sec."));
    QCOMPARE(run.platform.steps().back().at, 35650);
    QCOMPARE(run.outcome().copy, QStringLiteral("TE ET"));
    QVERIFY(run.outcome().completed);
}

void TestMessageDrill::stopEndsTheDrillAtEveryStep_data()
{
    QTest::addColumn<qint64>("stopAt");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("text1");
    // The identity from 15.41 s, the first group's T's from 21.82 s; its answer 3 s after it
    // ends at 31.82 s; AR from 40.83 s to 45.23 s, its answer 3 s later.
    const auto row = [](const char *name, qint64 stopAt, const char *shown, const char *text1) {
        QTest::newRow(name) << stopAt << QString::fromLatin1(shown) << QString::fromLatin1(text1);
    };
    row("calling", 5000, "^", "\r\n4  Sec.");
    row("sending the identity", 17000, "^DEET", "\r\n15.41  Sec.");
    row("sending a group", 26000, "^DEETTETTT", "TTT\r\n24.62  Sec.");
    row("waiting after a group", 33000, "^DEETTETTTTT", "TTTTT\r\n29.8  Sec.");
    row("sending AR", 43000, "^DEETTETTTTTEEEEE+", "TTTTT  EEEEE\r\n42.03  Sec.");
    row("waiting after AR", 46000, "^DEETTETTTTTEEEEE+", "TTTTT  EEEEE\r\n42.8  Sec.");
}

void TestMessageDrill::stopEndsTheDrillAtEveryStep()
{
    QFETCH(qint64, stopAt);
    QFETCH(QString, shown);
    QFETCH(QString, text1);
    DrillRun run("TTTTTEEEEE", "0.5");
    run.learner.acknowledge({"", "ETTE"});
    run.learner.script(Kind::Acknowledge, "TTTTT", 3000);
    run.learner.acknowledge({"EEEEE"});
    run.learner.script(Kind::Acknowledge, "", 3000);
    run.platform.at(stopAt, [&] { run.state.Running = 0; });
    run.drill();
    QCOMPARE(run.shown().text, shown);
    QCOMPARE(run.view.text1Value, text1);
    QVERIFY(run.view.isShown(RunView::Control::Command2));
    QVERIFY(!run.outcome().completed);
}

void TestMessageDrill::examSendsEachGroupTwiceWithoutWaiting()
{
    DrillRun run("TTTTTEEEEETTTTTEEEEETTTTT");
    run.learner.acknowledge({"ETTE", "TTT EEEEE TTTTT"});
    run.platform.at(20000, [&] { run.learner.give(Kind::Repeat, QStringLiteral("TTTTT ")); });
    run.platform.at(60000,
                    [&] { run.learner.give(Kind::Acknowledge, QStringLiteral("EEEEE TT")); });
    run.drill(DrillForm::Exam);
    const QString t = QStringLiteral("TTTTTTTTTT");
    const QString e = QStringLiteral("EEEEEEEEEE");
    QCOMPARE(run.shown().text, QStringLiteral("DEETTE") + t + e + t + e + t + u'+');
    // The identity answered at 17.81 s; groups of 10 s and 6 s, each followed by a 4 s pause.
    QCOMPARE(run.shown().times.value(u'+'), QList<qint64>{17810 + 3 * 28000 + 2 * 20000});
    QCOMPARE(run.view.text1Value,
             QStringLiteral("TTTTT  EEEEE  TTTTT  EEEEE  TTTTT\r\n143.02  Sec."));
    QCOMPARE(run.outcome().copy, QStringLiteral("TTTTT EEEEE TTTTT EEEEE TTTTT"));
    QCOMPARE(run.outcome().repeats, 0);
    QVERIFY(run.outcome().completed);
}

QTEST_GUILESS_MAIN(TestMessageDrill)
#include "test_messagedrill.moc"
