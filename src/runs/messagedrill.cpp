// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/messagedrill.h"

#include "platform/numeric.h"
#include "runs/grouppause.h"
#include "runs/groupsize.h"
#include "signal/characters.h"

#include <algorithm>

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

MessageDrill::MessageDrill(Sender &sender, Receiver &receiver, DrillForm form, LetterChoice choice)
    : m_sender(sender), m_receiver(receiver), m_form(form), m_words(false),
      m_separator(QStringLiteral("  ")), m_choice(std::move(choice))
{}

MessageDrill::MessageDrill(Sender &sender, Receiver &receiver, DrillForm form, WordSource &words)
    : m_sender(sender), m_receiver(receiver), m_form(form), m_words(true),
      m_separator(QStringLiteral(" ")), m_wordSource(&words)
{}

RunResult MessageDrill::run()
{
    m_sender.startRun(randomRunGapPauses * gapPauseUnits);
    m_length = examGroups;
    if (m_form == DrillForm::Practice) {
        const double groups = multiply(textToNumber(m_sender.view().text2Text()),
                                       textToNumber(m_sender.state().Speed));
        m_length = std::max<qint16>(toInt16(groups), 1);
    }
    m_identity = drawIdentity();
    Step step = m_form == DrillForm::Exam ? Step::Identity : Step::Call;
    while (step != Step::Done && !m_sender.stopped())
        step = advance(step);
    if (!m_completed && m_textBegun)
        keepUnanswered();
    show(DrillStep::Kind::None);
    m_sender.restoreWindow();
    m_sender.writeResultLine();
    RunResult result = m_sender.result();
    const QString copy = m_form == DrillForm::Exam ? m_examCopy : m_copy.join(QLatin1Char(' '));
    result.drill = DrillOutcome{copy, m_repeats, m_completed};
    return result;
}

MessageDrill::Step MessageDrill::advance(Step step)
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

MessageDrill::Step MessageDrill::call()
{
    show(DrillStep::Kind::Call);
    if (!m_sender.sendSigns(QString(generalCall), false))
        return Step::Done;
    // An answer ends the pause at once, also one given while calling; nobody answering, the
    // call goes on.
    const double until = m_sender.platform().steadySeconds() +
                         double(m_sender.groupPauseMs(randomRunGapPauses)) / 1000.0;
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswer(until);
        if (!answer)
            return m_sender.stopped() ? Step::Done : Step::Call;
        if (answer->kind == ReceiverAnswer::Kind::Acknowledge)
            return Step::Identity;
    }
}

MessageDrill::Step MessageDrill::identity()
{
    show(DrillStep::Kind::Identity);
    if (!m_sender.sendSigns(QStringLiteral("DE"), false))
        return Step::Done;
    m_sender.sendGroupPause(randomRunGapPauses);
    if (m_sender.stopped() || !m_sender.sendSigns(m_identity, false))
        return Step::Done;
    const double sentAt = m_sender.lastFlashEnded();
    const bool exam = m_form == DrillForm::Exam;
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswerTo(sentAt);
        if (!answer)
            return Step::Done;
        // The exam sends nothing again: what was typed stays for the answer.
        if (answer->kind == ReceiverAnswer::Kind::Repeat && exam) {
            m_carried = answer->typed;
            continue;
        }
        QString typed = answer->typed.toUpper();
        typed.remove(QLatin1Char(' '));
        const bool right = answer->kind == ReceiverAnswer::Kind::Acknowledge &&
                           typed.size() == m_identity.size() &&
                           std::ranges::equal(typed, m_identity, &readsAs);
        // A wrong identity, or a request to repeat it, has DE and the identity sent again.
        if (!right)
            return Step::Identity;
        m_textBegun = true;
        return exam ? Step::ExamText : Step::Text;
    }
}

MessageDrill::Step MessageDrill::text()
{
    if (m_groupsSent == m_length)
        return Step::Ending;
    const QString group = nextGroup();
    if (group.isEmpty())
        return Step::Ending;
    show(DrillStep::Kind::Group);
    if (!m_sender.sendSigns(group, true))
        return Step::Done;
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswerTo(m_sender.lastFlashEnded());
        if (!answer)
            return Step::Done;
        if (answer->kind == ReceiverAnswer::Kind::Acknowledge) {
            m_copy << answer->typed;
            return Step::Text;
        }
        // What was typed of the group is dropped: the learner writes it afresh.
        ++m_repeats;
        if (!m_sender.sendSigns(group, false))
            return Step::Done;
    }
}

MessageDrill::Step MessageDrill::examText()
{
    while (m_groupsSent < m_length) {
        const QString group = nextGroup();
        if (group.isEmpty())
            break;
        show(DrillStep::Kind::ExamGroup);
        for (int sending = 0; sending < examSendings; ++sending) {
            if (!m_sender.sendSigns(group, sending == 0))
                return Step::Done;
            m_sender.sendGroupPause(randomRunGapPauses);
            if (m_sender.stopped())
                return Step::Done;
        }
    }
    return Step::Ending;
}

MessageDrill::Step MessageDrill::ending()
{
    show(DrillStep::Kind::Ending);
    if (!m_sender.sendSigns(QString(endOfMessage), false))
        return Step::Done;
    const double sentAt = m_sender.lastFlashEnded();
    for (;;) {
        const std::optional<ReceiverAnswer> answer = awaitAnswerTo(sentAt);
        if (!answer)
            return Step::Done;
        // In the exam nothing waited for the answers given during the groups: all that was
        // typed after the identity is the copy.
        if (m_form == DrillForm::Exam)
            m_examCopy += answer->typed;
        if (answer->kind == ReceiverAnswer::Kind::Acknowledge) {
            m_completed = true;
            return Step::Done;
        }
    }
}

QString MessageDrill::nextGroup()
{
    QString group;
    if (m_wordSource) {
        group = m_wordSource->nextWord();
    } else {
        Platform &platform = m_sender.platform();
        while (group.size() < groupSize)
            group += m_choice(platform.Rnd());
    }
    if (group.isEmpty())
        return group;
    if (m_groupsSent > 0)
        m_sender.write(m_separator);
    ++m_groupsSent;
    return group;
}

std::optional<ReceiverAnswer> MessageDrill::awaitAnswer(std::optional<double> until)
{
    m_sender.state().Letter = QString();
    Platform &platform = m_sender.platform();
    for (;;) {
        platform.processEvents();
        if (m_sender.stopped())
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

std::optional<ReceiverAnswer> MessageDrill::awaitAnswerTo(double sentAt)
{
    for (;;) {
        std::optional<ReceiverAnswer> answer = awaitAnswer();
        if (!answer)
            return answer;
        answer->typed.prepend(m_carried);
        m_carried.clear();
        if (answer->at > sentAt)
            return answer;
        // Given while it was still being sent, as a learner pressing Enter twice does.
        m_carried = answer->typed;
    }
}

void MessageDrill::keepUnanswered()
{
    QString unanswered = m_carried;
    while (const std::optional<ReceiverAnswer> answer = m_receiver.nextAnswer())
        unanswered += answer->typed;
    unanswered += m_receiver.typing();
    if (m_form == DrillForm::Exam)
        m_examCopy += unanswered;
    else if (!unanswered.isEmpty())
        m_copy << unanswered;
}

void MessageDrill::identifyWith(const QString &letters)
{
    m_identityLetters = letters;
}

QString MessageDrill::drawIdentity()
{
    Platform &platform = m_sender.platform();
    const QString letters =
        m_identityLetters.isEmpty() ? charactersOf(CharacterChoice{}) : m_identityLetters;
    // A letter first, as a station's call sign begins.
    QString identity(drawFrom(letters, platform.Rnd()));
    const QString lettersAndFigures =
        letters + charactersOf(CharacterChoice{false, true, false, false});
    while (identity.size() < identityLength)
        identity += drawFrom(lettersAndFigures, platform.Rnd());
    return identity;
}

void MessageDrill::show(DrillStep::Kind kind)
{
    m_sender.view().showDrillStep({kind, m_groupsSent, m_length, m_words, m_form == DrillForm::Exam,
                                   m_receiver.answersByKey()});
}

} // namespace blinket
