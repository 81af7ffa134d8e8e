// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace blinket {

// What the sqlite3 command-line tool prints for a statement on a file, as a learner who looks
// into the history would see it; "<no sqlite3>" when the tool is not installed.
inline QString sqliteSays(const QString &path, const QString &statement)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (tool.isEmpty())
        return QStringLiteral("<no sqlite3>");
    QProcess process;
    process.start(tool, {QStringLiteral("-batch"), path, statement});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<sqlite3 failed: %1>")
            .arg(QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace blinket
