// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "settings/settingsfile.h"

#include <QByteArray>

namespace blinket {

// A number as the file holds it: a space or a minus sign, the digits, and a space.
QByteArray numberForm(qint64 value);
// A text as the file holds it: as it stands, unless it holds a comma, a double quote or a
// line end; then in double quotes, a double quote inside written twice.
QByteArray textForm(const QString &text);
// The whole file: five lines, each ended by CR LF.
QByteArray settingsFileBytes(const SettingsValues &values);
// Writes the file so that a failure on the way leaves the old one as it was: the bytes go
// to a new file beside it, which replaces the old one only when complete. Where the folder
// allows no new file but the file itself may be written, it is written in place. A failure
// raises the matching file error.
void writeSettingsFile(const QString &path, const SettingsValues &values);

} // namespace blinket
