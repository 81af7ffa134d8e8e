// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

namespace blinket {

// The bytes of a file, or "<unreadable>" when it cannot be read.
QByteArray contentsOf(const QString &path);
// Writes bytes to a new or emptied file; false when that fails.
bool writeFile(const QString &path, const QByteArray &bytes);
// The names in a folder, hidden ones too, sorted.
QStringList namesIn(const QString &folder);

// Limits the size of any file this process writes, while it lives, as a disk that fills up
// would: a write past the limit fails with "file too large" instead of raising a signal.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

// Root may write anywhere: while this lives, a process running as root acts as the ordinary
// user nobody, so that folder permissions apply to it.
class OrdinaryUser
{
public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

    // True when the process now runs as someone other than root.
    static bool active();

private:
    bool m_switched = false;
};

} // namespace blinket
