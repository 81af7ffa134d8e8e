// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/exercise.h"
#include "runs/messagedrillform.h"
#include "runs/randomdraw.h"
#include "runs/receiver.h"
#include "runs/sender.h"
#include "runs/wordsource.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace blinket {

// A message sent as a station sends it by flashing light, paced by the learner's answers: the
// general call (AA) until acknowledged, DE and a made-up station identity the learner types
// back, the text one group at a time, each waited on, and AR until acknowledged. The text is
// as long as a run of the minutes at the speed would be, one group at least, both read at the
// start; the exam form sends five groups, each twice, with no call and no waiting. An answer
// counts only once what it answers has been sent: one given earlier counts for what was typed
// with it alone. Stop ends it at any step, after the character in progress, and what the
// learner had typed of the text is kept.
class MessageDrill : public Exercise
{
public:
    // A text of groups of five characters drawn by choice.
    MessageDrill(Sender &sender, Receiver &receiver, DrillForm form, LetterChoice choice);
    // A text of words.
    MessageDrill(Sender &sender, Receiver &receiver, DrillForm form, WordSource &words);

    RunResult run() override;

    // The letters an identity draws from, A to Z unless told (the Hebrew letters in a drill of
    // them, so that nothing the learner types back mixes the alphabets).
    void identifyWith(const QString &letters);

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
    // The learner's next answer, looked for between short sleeps until it comes, until Stop,
    // or until the steady clock reaches until.
    std::optional<ReceiverAnswer> awaitAnswer(std::optional<double> until = std::nullopt);
    // The learner's answer to what was sent last, whose last flash ended at sentAt.
    std::optional<ReceiverAnswer> awaitAnswerTo(double sentAt);
    // What the learner typed of the text and gave with no answer, kept when the drill stops.
    void keepUnanswered();
    QString drawIdentity();
    void show(DrillStep::Kind kind);

    Sender &m_sender;
    Receiver &m_receiver;
    const DrillForm m_form;
    const bool m_words;
    const QString m_separator;
    LetterChoice m_choice;
    WordSource *m_wordSource = nullptr;
    qint16 m_length = 0;
    QString m_identity;
    QString m_identityLetters;
    qint16 m_groupsSent = 0;
    bool m_textBegun = false;
    // Typed with answers that came too early, for the answer that counts.
    QString m_carried;
    QStringList m_copy;
    QString m_examCopy;
    int m_repeats = 0;
    bool m_completed = false;
};

} // namespace blinket
