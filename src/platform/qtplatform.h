// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/pauseschedule.h"
#include "platform/platform.h"
#include "platform/randomsource.h"

namespace blinket {

// The platform on Qt's one GUI thread.
class QtPlatform : public Platform
{
public:
    QtPlatform();

    void processEvents() override;
    void Sleep(qint32 ms) override;
    void awaitEvents(qint32 ms) override;
    float Timer() override;
    double steadySeconds() override;
    void Randomize(float seed) override { m_random.reseed(seed); }
    float Rnd() override { return m_random.next(); }

private:
    RandomSource m_random;
    PauseSchedule m_schedule;
};

} // namespace blinket
