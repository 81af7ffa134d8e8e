// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QDateTime>
#include <QString>

namespace blinket {

// Moves a history file that cannot be used out of the way, together with the companions
// SQLite keeps beside it (-wal, -shm, -journal), so that they stay one database under the
// new name. The new name is path.reason-yyyyMMdd-HHmmss (local time), with -2, -3, ... added
// when a file of that name or one of its companions' names exists; no file is ever
// replaced. Returns the new path, or an empty text when the file could not be moved (then
// everything is where it was).
QString keepAside(const QString &path, const QString &reason, const QDateTime &when);

} // namespace blinket
