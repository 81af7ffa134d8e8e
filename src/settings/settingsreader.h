// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "settings/colourvalue.h"

#include <QString>

class QIODevice;

namespace blinket {

// Where loaded settings go, one value at a time. A setter may refuse a value it cannot
// take by raising an error, which ends the load there.
class SettingsTarget
{
public:
    virtual ~SettingsTarget() = default;
    virtual void setSpeed(const QString &text) = 0;
    virtual void setMinutes(const QString &text) = 0;
    virtual void setLampSize(qint16 twips) = 0;
    virtual void setLampColour(ColourValue colour) = 0;
    virtual void setWindowColour(ColourValue colour) = 0;
};

// Reads the five fields in order and hands each to the target as soon as it is read, so
// that a failure leaves the earlier ones applied. Raises the error that stopped it.
void readSettings(QIODevice &device, SettingsTarget &target);

// Opens the file at path, reads it into the target and closes it again. Any failure stops
// the load quietly, keeping what was applied; returns whether all five values came in.
bool loadSettingsFile(const QString &path, SettingsTarget &target);

} // namespace blinket
