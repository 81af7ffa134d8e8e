// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/errorguard.h"

#include <new>

namespace blinket {

void ErrorGuard::run(const std::function<void()> &handler, const std::function<void()> &recover)
{
    if (ending())
        return;
    try {
        handler();
        return;
    } catch (const ProgramEnding &) {
        // The window is going away: nothing to restore and nobody to tell.
        return;
    } catch (const RuntimeError &error) {
        if (ending())
            return;
        if (recover)
            recover();
        m_reporter->report(error);
    } catch (const std::bad_alloc &) {
        if (ending())
            return;
        if (recover)
            recover();
        m_reporter->report(RuntimeError(7, QStringLiteral("Out of memory")));
    }
}

} // namespace blinket
