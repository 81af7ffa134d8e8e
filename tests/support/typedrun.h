// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/practicesession.h"

#include <QString>

namespace blinket {

// Makes the session's last run one that sent `sent` (as the results box shows it) while the
// learner typed `typed` ('<' is Backspace), as a run in the window would.
inline void typedRun(PracticeSession &session, const QString &sent, const QString &typed,
                     RunRecord run = {}, const QString &runCharacters = {})
{
    session.beginRun(run, runCharacters);
    for (const QChar key : typed) {
        if (key == u'<')
            session.takeBack();
        else
            session.type(QString(key));
    }
    run.speed = QStringLiteral("4");
    run.unit = 400;
    run.minutes = QStringLiteral("3");
    session.endRun(run, sent);
}

} // namespace blinket
