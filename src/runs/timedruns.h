// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/exercise.h"
#include "runs/hebrewlessons.h"
#include "runs/rundriver.h"

namespace blinket {

// Random characters in groups of five for the minutes typed: A to Z, or Weak letters with a
// choice that favours the letters read wrong.
class RandomRun : public Exercise
{
public:
    RandomRun(Sender &sender, LetterChoice choice) : m_sender(sender), m_choice(std::move(choice))
    {}
    RunResult run() override;

private:
    Sender &m_sender;
    LetterChoice m_choice;
};

// The speed check: PARIS, once for each word a minute of the minutes typed, after a lead-in.
class SpeedCheck : public Exercise
{
public:
    explicit SpeedCheck(Sender &sender) : m_sender(sender) {}
    RunResult run() override;

private:
    Sender &m_sender;
};

// A lesson: random letters of its small group, with a shorter pause between groups.
class LessonRun : public Exercise
{
public:
    LessonRun(Sender &sender, qint16 index) : m_sender(sender), m_index(index) {}
    RunResult run() override;

private:
    Sender &m_sender;
    qint16 m_index;
};

// A lesson of Hebrew letters: random letters of its group, sent as a lesson's button sends its
// letters.
class HebrewLessonRun : public Exercise
{
public:
    HebrewLessonRun(Sender &sender, const HebrewLesson &lesson) : m_sender(sender), m_lesson(lesson)
    {}
    RunResult run() override;

private:
    Sender &m_sender;
    HebrewLesson m_lesson;
};

} // namespace blinket
