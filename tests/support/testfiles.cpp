// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "testfiles.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace blinket {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
}

OrdinaryUser::OrdinaryUser()
{
    constexpr uid_t nobody = 65534;
    m_switched = geteuid() == 0 && seteuid(nobody) == 0;
}

OrdinaryUser::~OrdinaryUser()
{
    if (m_switched && seteuid(0) != 0) {
        std::fputs("could not become root again\n", stderr);
        std::abort();
    }
}

bool OrdinaryUser::active()
{
    return geteuid() != 0;
}

} // namespace blinket
