// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/platform.h"
#include "platform/runtimeerror.h"

#include <functional>

namespace blinket {

// Tells the learner about an error that escaped an event handler.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const RuntimeError &error) = 0;
};

// Every event handler is entered through here: an error that escapes it is reported, the
// window is put back in order, and the program goes on. Once the platform's end is requested
// no handler starts any more, and a handler cut short by the end unwinds without a word.
class ErrorGuard
{
public:
    explicit ErrorGuard(ErrorReporter &reporter, const Platform *platform = nullptr)
        : m_reporter(&reporter), m_platform(platform)
    {}

    void setReporter(ErrorReporter &reporter) { m_reporter = &reporter; }
    // recover runs after an error was reported, to restore what the handler left half done.
    void run(const std::function<void()> &handler, const std::function<void()> &recover = {});

private:
    bool ending() const { return m_platform && m_platform->endRequested(); }

    ErrorReporter *m_reporter;
    const Platform *m_platform;
};

} // namespace blinket
