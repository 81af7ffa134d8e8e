// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "draws.h"
#include "practice/practicehistory.h"
#include "ui/copycheck/copycheckwindow.h"
#include "windowharness.h"

#include <QTest>

using namespace blinket;

namespace {

// Keys as the learner presses them on the main window: letters, '\n' for Enter, '^' for
// Ctrl+R.
void press(Form1 &form, const QString &keys)
{
    for (const QChar key : keys) {
        if (key == u'\n')
            QTest::keyClick(&form, Qt::Key_Return);
        else if (key == u'^')
            QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        else
            QTest::sendKeyEvent(QTest::Click, &form, Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
}

QString shown(const Form1 &form, const char *label)
{
    return control<QLabel>(*form.findChild<CopyCheckWindow *>(), label)->text();
}

} // namespace

class TestDrillInWindow : public QObject
{
    Q_OBJECT
private slots:
    void aDrillAnsweredFromTheKeyboard_data();
    void aDrillAnsweredFromTheKeyboard();
    void theTextHoldsNoProcedureSign();
};

void TestDrillInWindow::aDrillAnsweredFromTheKeyboard_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QString>("examLine");
    QTest::newRow("practice") << QByteArray() << QString();
    QTest::newRow("exam") << QByteArray("[drill]\nexam=true\n")
                          << QStringLiteral("Not passed: 70 % or more is needed.");
}

void TestDrillInWindow::aDrillAnsweredFromTheKeyboard()
{
    QFETCH(QByteArray, options);
    QFETCH(QString, examLine);
    const bool exam = !examLine.isEmpty();
    WindowHarness h;
    QVERIFY(h.writeOptions(options));
    // A unit of 1 ms; one group of five in practice, five in the exam.
    h.setSpeedAndMinutes(QStringLiteral("1600"), QStringLiteral("0.000625"));
    constexpr const char16_t *lettersAndFigures = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::vector<float> draws{drawFor('K'), drawFrom(lettersAndFigures, u'4'),
                             drawFrom(lettersAndFigures, u'X'), drawFrom(lettersAndFigures, u'B')};
    for (int group = 0; group < (exam ? 5 : 1); ++group)
        draws.insert(draws.end(), 5, drawFor('E'));
    h.platform.scriptDraws(draws);
    // Practice: the call answered, a wrong identity then the right one, a repeat asked for,
    // the group typed and acknowledged, AR acknowledged. The exam has no call and no repeats.
    const std::vector<std::pair<qint64, QString>> keys =
        exam ? std::vector<std::pair<qint64, QString>>{{100, QStringLiteral("k4xb\n")},
                                                       {200, QStringLiteral("eeeee^")},
                                                       {3000, QStringLiteral("\n")}}
             : std::vector<std::pair<qint64, QString>>{
                   {10, QStringLiteral("\n")},       {100, QStringLiteral("kaxb\n")},
                   {300, QStringLiteral("k4xb\n")},  {500, QStringLiteral("ee^")},
                   {700, QStringLiteral("eeeee\n")}, {900, QStringLiteral("\n")}};
    // What the line under the lamp said when each key was pressed.
    const auto *prompt = control<QLabel>(h.form, "drillPrompt");
    QStringList prompts;
    for (const auto &[at, typed] : keys) {
        h.platform.at(at, [&h, &prompts, prompt, typed] {
            prompts << (prompt->isVisibleTo(&h.form) ? prompt->text() : QString());
            press(h.form, typed);
        });
    }
    h.click("drillButton");
    QVERIFY(!prompt->isVisibleTo(&h.form));
    const QString identity = QStringLiteral("Type the identity, then Enter");
    const QString group = QStringLiteral("Group 1 of 1: type it, then Enter; Ctrl+R repeats");
    const QStringList expected =
        exam ? QStringList{identity, QStringLiteral("Group 3 of 5, sent twice: type as you read"),
                           QStringLiteral("End of message: finish your copy, then Enter")}
             : QStringList{QStringLiteral("Answer the call: Enter"),
                           identity + QStringLiteral("; Ctrl+R repeats"),
                           identity + QStringLiteral("; Ctrl+R repeats"),
                           group,
                           group,
                           QStringLiteral("End of message: Enter")};
    QCOMPARE(prompts, expected);
    const QString groups =
        exam ? QStringLiteral("EEEEE  EEEEE  EEEEE  EEEEE  EEEEE") : QStringLiteral("EEEEE");
    QCOMPARE(h.results().section(u'\r', 0, 0), groups);
    QVERIFY(h.reporter.reports.isEmpty());
    QCOMPARE(shown(h.form, "score"), exam ? QStringLiteral("5 of 25 right (20 %)")
                                          : QStringLiteral("5 of 5 right (100 %)"));
    const auto *line = control<QLabel>(*h.form.findChild<CopyCheckWindow *>(), "examLine");
    QCOMPARE(line->isVisibleTo(line->window()), exam);
    if (exam)
        QCOMPARE(line->text(), examLine);
    PracticeHistory history(h.historyFolder());
    const auto runs = history.allRuns();
    QVERIFY(runs && runs->size() == 1);
    QCOMPARE(runs->front().kind, exam ? RunKind::Exam : RunKind::Drill);
    QCOMPARE(runs->front().repeats, exam ? 0 : 1);
    QCOMPARE(runs->front().copy, QStringLiteral("EEEEE"));
}

void TestDrillInWindow::theTextHoldsNoProcedureSign()
{
    // Procedure signs chosen for A to Z runs: the exam's groups hold letters and figures alone,
    // where the largest draw takes the last of them.
    WindowHarness h;
    QVERIFY(h.writeOptions("[runs]\ncharacters=letters,figures,procedure\n[drill]\nexam=true\n"));
    h.setSpeedAndMinutes(QStringLiteral("1600"), QStringLiteral("1"));
    std::vector<float> draws{drawFor('K'), 0.0f, 0.0f, 0.0f};
    draws.insert(draws.end(), 25, 0.999f);
    h.platform.scriptDraws(draws);
    h.platform.at(100, [&h] { press(h.form, QStringLiteral("kaaa\n")); });
    h.platform.at(5000, [&h] { press(h.form, QStringLiteral("\n")); });
    h.click("drillButton");
    QCOMPARE(h.results().section(u'\r', 0, 0), QStringLiteral("99999  99999  99999  99999  99999"));
}

QTEST_MAIN(TestDrillInWindow)
#include "test_drillinwindow.moc"
