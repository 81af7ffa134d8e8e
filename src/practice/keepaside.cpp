// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/keepaside.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <vector>

namespace blinket {

namespace {

const std::array<QString, 3> companions = {QStringLiteral("-wal"), QStringLiteral("-shm"),
                                           QStringLiteral("-journal")};

bool nameIsFree(const QString &path)
{
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return false;
    for (const QString &companion : companions) {
        if (QFileInfo::exists(path + companion))
            return false;
    }
    return true;
}

} // namespace

QString keepAside(const QString &path, const QString &reason, const QDateTime &when)
{
    const QString stem = path + u'.' + reason + u'-' +
                         when.toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = stem;
    for (int counter = 2; !nameIsFree(target); ++counter)
        target = stem + u'-' + QString::number(counter);

    // The companions go first: a write-ahead log left behind would be replayed into the next
    // history started under the old name.
    std::vector<QString> moved;
    for (const QString &companion : companions) {
        if (!QFileInfo::exists(path + companion))
            continue;
        // QFile::rename never replaces an existing file.
        if (!QFile::rename(path + companion, target + companion)) {
            for (const QString &back : moved)
                QFile::rename(target + back, path + back);
            return {};
        }
        moved.push_back(companion);
    }
    if (!QFile::rename(path, target)) {
        for (const QString &back : moved)
            QFile::rename(target + back, path + back);
        return {};
    }
    return target;
}

} // namespace blinket
