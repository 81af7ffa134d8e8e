// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "settings/colourvalue.h"

#include <QString>

namespace blinket {

// The learner's settings as the file keeps them, one per line.
struct SettingsValues
{
    QString speed;   // the speed text, words per minute, as typed
    QString minutes; // the run length text, as typed
    qint16 lampSize = 0;
    ColourValue lampColour = 0;
    ColourValue windowColour = 0;
};

// The settings file, named without a directory so that it lives in the working directory.
inline QString settingsFileName()
{
    return QStringLiteral("blinket.txt");
}

} // namespace blinket
