// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/settingserrors.h"

#include <cerrno>

namespace blinket {

RuntimeError fileNotFound()
{
    return {53, QStringLiteral("File not found")};
}

RuntimeError inputPastEndOfFile()
{
    return {62, QStringLiteral("Input past end of file")};
}

RuntimeError invalidPropertyValue()
{
    return {380, QStringLiteral("Invalid property value")};
}

RuntimeError fileErrorFor(int systemError)
{
    switch (systemError) {
    case EACCES:
    case EPERM:
    case EROFS:
        return {70, QStringLiteral("Permission denied")};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {61, QStringLiteral("Disk full")};
    case ENOENT:
    case ENOTDIR:
        return {76, QStringLiteral("Path not found")};
    default:
        return {75, QStringLiteral("Path/File access error")};
    }
}

} // namespace blinket
