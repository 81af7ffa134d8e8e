// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/rundriver.h"

#include "platform/numeric.h"
#include "runs/grouppause.h"
#include "runs/groupsize.h"
#include "signal/characters.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace blinket {

namespace {

constexpr QChar generalCall = u'^';  // AA
constexpr QChar endOfMessage = u'+'; // AR
constexpr int identityLength = 4;
constexpr qint16 examGroups = 5;
constexpr int examSendings = 2;
// The lamp waits for the learner in slices this short, so that the next sign follows an
// answer at once; Stop is seen as quickly.
constexpr qint32 answerSliceMs = 10;

} // namespace

// The procedure of a message by flashing light, one step after another. Each step sends, waits
// for the learner where a receiving station answers, and names the step that follows. Answers
// are looked for only between signs, so an answer given while a sign is sent is taken when the
// sign is over; Stop ends the drill after the character in progress.
class RunDriver::Drill
{
public:
    Drill(RunDriver &runs, Receiver &receiver, DrillForm form, qint16 length,
          const QString &separator, const std::function<QString()> &nextText)
        : m_runs(runs), m_receiver(receiver), m_form(form), m_length(length),
          m_separator(separator), m_nextText(nextText)
    {}

    DrillOutcome run();

private:
    enum class Step { Call, Identity, Text, ExamText, Ending, Done };

    Step advance(Step step);
    Step call();
    Step identity();
    // One group and the answers to it.
    Step text();
    // Every group twice, without waiting.
    Step examText();
    Step ending();

    // The next group or word of the text, counted; empty when the text has no more.
    QString nextGroup();
    // Sends one character after another, into the results box too when they are the text's
    // first sending; false when Stop came.
    bool send(const QString &signs, bool written = false);
    bool sendGroupPause();
    // The learner's next answer, looked for between short sleeps until it comes, until Stop,
    // or until the steady clock reaches until.
    std::optional<ReceiverAnswer> awaitAnswer(std::optional<double> until = std::nullopt);
    QString drawIdentity();
    // The group pause, in milliseconds, as sendGroupPause() sleeps it.
    qint32 groupPauseMs() const;
    bool stopped() const { return m_runs.m_state.Running == 0; }

    RunDriver &m_runs;
    Receiver &m_receiver;
    const DrillForm m_form;
    const qint16 m_length;
    const QString m_separator;
    const std::function<QString()> m_nextText;
    QString m_identity;
    qint16 m_groupsSent = 0;
    QStringList m_copy;
    QString m_examCopy;
    int m_repeats = 0;
    bool m_completed = false;
};

DrillOutcome RunDriver::Drill::run()
{
    m_identity = drawIdentity();
    Step step = m_form == DrillForm::Exam ? Step::Identity : Step::Call;
    while (step != Step::Done && !stopped())
        step = advance(step);
    const QString copy = m_form == DrillForm::Exam ? m_examCopy : m_copy.join(QLatin1Char(' '));
    return {copy, m_repeats, m_completed};
}

RunDriver::Drill::Step RunDriver::Drill::advance(Step step)
{
    switch (step) {
    case Step::Call:
        return call();
    case Step::Identity:
        return identity();
    case Step::Text:
        return text();
    case Step::ExamText:
        return examText();
    case Step::Ending:
        return ending();
    case Step::Done:
        break;
    }
    return Step::Done;
}

RunDriver::Drill::Step RunDriver::Drill::call()
{
    if (!send(QString(generalCall)))
        return Step::Done;
    // An answer ends the pause at once; nobody answering, the call goes on.
    const double until = m_runs.m_platform.steadySeconds() + double(groupPauseMs()) / 1000.0;
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswer(until);
        if (!answer)
            return stopped() ? Step::Done : Step::Call;
        if (answer->kind == ReceiverAnswer::Kind::Acknowledge)
            return Step::Identity;
    }
}

RunDriver::Drill::Step RunDriver::Drill::identity()
{
    if (!send(QStringLiteral("DE")) || !sendGroupPause() || !send(m_identity))
        return Step::Done;
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswer();
        if (!answer)
            return Step::Done;
        const bool exam = m_form == DrillForm::Exam;
        if (answer->kind == ReceiverAnswer::Kind::Repeat && exam)
            continue;
        QString typed = answer->typed;
        typed.remove(QLatin1Char(' '));
        const bool right = answer->kind == ReceiverAnswer::Kind::Acknowledge &&
                           typed.compare(m_identity, Qt::CaseInsensitive) == 0;
        // A wrong identity, or a request to repeat it, has DE and the identity sent again.
        if (!right)
            return Step::Identity;
        return exam ? Step::ExamText : Step::Text;
    }
}

RunDriver::Drill::Step RunDriver::Drill::text()
{
    if (m_groupsSent == m_length)
        return Step::Ending;
    const QString group = nextGroup();
    if (group.isEmpty())
        return Step::Ending;
    if (!send(group, true))
        return Step::Done;
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswer();
        if (!answer)
            return Step::Done;
        if (answer->kind == ReceiverAnswer::Kind::Acknowledge) {
            m_copy << answer->typed;
            return Step::Text;
        }
        // What was typed of the group is dropped: the learner writes it afresh.
        ++m_repeats;
        if (!send(group))
            return Step::Done;
    }
}

RunDriver::Drill::Step RunDriver::Drill::examText()
{
    while (m_groupsSent < m_length) {
        const QString group = nextGroup();
        if (group.isEmpty())
            break;
        for (int sending = 0; sending < examSendings; ++sending) {
            if (!send(group, sending == 0) || !sendGroupPause())
                return Step::Done;
        }
    }
    return Step::Ending;
}

RunDriver::Drill::Step RunDriver::Drill::ending()
{
    // In the exam nothing waited for the answers given during the groups: their typing is the
    // copy's, and none of them acknowledges an end not yet sent.
    if (m_form == DrillForm::Exam) {
        while (const std::optional<ReceiverAnswer> early = m_receiver.nextAnswer())
            m_examCopy += early->typed;
    }
    if (!send(QString(endOfMessage)))
        return Step::Done;
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswer();
        if (!answer)
            return Step::Done;
        if (m_form == DrillForm::Exam)
            m_examCopy += answer->typed;
        if (answer->kind == ReceiverAnswer::Kind::Acknowledge) {
            m_completed = true;
            return Step::Done;
        }
    }
}

QString RunDriver::Drill::nextGroup()
{
    const QString group = m_nextText();
    if (group.isEmpty())
        return group;
    if (m_groupsSent > 0) {
        m_runs.m_view.appendToText1(m_separator);
        m_runs.m_lettersSent += m_separator;
    }
    ++m_groupsSent;
    return group;
}

bool RunDriver::Drill::send(const QString &signs, bool written)
{
    for (const QChar sign : signs) {
        m_runs.m_state.Letter = sign;
        m_runs.m_elements.sendCharacter(m_runs.m_state.Letter);
        if (written) {
            m_runs.m_view.appendToText1(m_runs.m_state.Letter);
            m_runs.m_lettersSent += m_runs.m_state.Letter;
        }
        if (stopped())
            return false;
    }
    return true;
}

bool RunDriver::Drill::sendGroupPause()
{
    m_runs.sendGroupPause(randomRunGapPauses);
    return !stopped();
}

std::optional<ReceiverAnswer> RunDriver::Drill::awaitAnswer(std::optional<double> until)
{
    m_runs.m_state.Letter = QString();
    Platform &platform = m_runs.m_platform;
    for (;;) {
        platform.processEvents();
        if (stopped())
            return std::nullopt;
        if (std::optional<ReceiverAnswer> answer = m_receiver.nextAnswer())
            return answer;
        qint32 slice = answerSliceMs;
        if (until) {
            const qint32 left =
                toInt32(roundHalfEven((*until - platform.steadySeconds()) * 1000.0));
            if (left <= 0)
                return std::nullopt;
            slice = std::min(slice, left);
        }
        platform.Sleep(slice);
    }
}

QString RunDriver::Drill::drawIdentity()
{
    const auto draw = [this](const QString &from) {
        const auto place = qsizetype(std::floor(double(m_runs.m_platform.Rnd()) * from.size()));
        return from[std::clamp<qsizetype>(place, 0, from.size() - 1)];
    };
    // A letter first, as a station's call sign begins.
    QString identity(draw(charactersOf(CharacterChoice{})));
    const QString lettersAndFigures = charactersOf(CharacterChoice{true, true, false, false});
    while (identity.size() < identityLength)
        identity += draw(lettersAndFigures);
    return identity;
}

qint32 RunDriver::Drill::groupPauseMs() const
{
    // Two gaps that close a letter to each block, at the spacing unit when letters are faster.
    const std::optional<LetterTiming> &timing = m_runs.m_timing;
    const qint32 gapMs = timing ? toInt32(roundHalfEven(timing->spacingUnit * 2.5))
                                : elementMs(m_runs.m_state.Unit, 2.5);
    return randomRunGapPauses * 2 * gapMs;
}

void RunDriver::MessageDrill(Receiver &receiver, DrillForm form)
{
    const LetterChoice choice = evenChoice();
    runMessageDrill(receiver, form, QStringLiteral("  "), [this, &choice] {
        QString group;
        while (group.size() < groupSize)
            group += choice(m_platform.Rnd());
        return group;
    });
}

void RunDriver::MessageDrill(Receiver &receiver, DrillForm form, WordSource &words)
{
    runMessageDrill(receiver, form, QStringLiteral(" "), [&words] { return words.nextWord(); });
}

void RunDriver::runMessageDrill(Receiver &receiver, DrillForm form, const QString &separator,
                                const std::function<QString()> &nextText)
{
    startRun(randomRunGapPauses * gapPauseUnits);
    m_lettersSent.clear();
    // The text is as long as a run of the minutes at the speed would be, one group at least.
    qint16 length = examGroups;
    if (form == DrillForm::Practice) {
        const double groups =
            multiply(textToNumber(m_view.text2Text()), textToNumber(m_state.Speed));
        length = std::max<qint16>(toInt16(groups), 1);
    }
    const DrillOutcome outcome = Drill(*this, receiver, form, length, separator, nextText).run();
    restoreWindow();
    writeResultLine();
    m_result.drill = outcome;
}

} // namespace blinket
