// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QtGlobal>

#include <unistd.h>

namespace blinket {

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The names in a folder, hidden ones too, sorted.
inline QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Root may write anywhere; as root, this acts as an ordinary user (nobody) while it lives.
// A process that is not root is an ordinary user already.
struct OrdinaryUser
{
    static constexpr uid_t nobody = 65534;
    bool switched = geteuid() == 0 && seteuid(nobody) == 0;
    bool ordinary() const { return geteuid() != 0; }
    ~OrdinaryUser()
    {
        if (switched && seteuid(0) != 0)
            qFatal("could not become root again");
    }
};

} // namespace blinket
