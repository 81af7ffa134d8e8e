// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QSqlDatabase>
#include <QSqlError>

namespace blinket {

// The layout of the history file this program writes; PRAGMA user_version holds it.
int latestSchemaVersion();

// Brings an open history from its version up to the latest, one step per version, each
// version's step in the same transaction as the version number it sets. The caller holds
// the write transaction. Returns the error of the statement that failed, or no error.
QSqlError upgradeSchema(QSqlDatabase &database, int fromVersion);

} // namespace blinket
