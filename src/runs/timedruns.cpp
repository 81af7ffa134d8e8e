// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/timedruns.h"

namespace blinket {

RunResult RandomRun::run()
{
    m_sender.state().RunMode = 0;
    RunDriver(m_sender).RunDrill(m_choice);
    return m_sender.result();
}

RunResult SpeedCheck::run()
{
    m_sender.state().RunMode = 1;
    RunDriver(m_sender).RunDrill();
    return m_sender.result();
}

RunResult LessonRun::run()
{
    RunDriver(m_sender).Command3_Click(m_index);
    return m_sender.result();
}

RunResult HebrewLessonRun::run()
{
    RunDriver(m_sender).sendLesson(m_lesson.letters);
    return m_sender.result();
}

} // namespace blinket
