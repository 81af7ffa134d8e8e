// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/textbytes.h"

#include <QFile>

namespace blinket {

bool looksLikeText(QByteArrayView start)
{
    qsizetype controls = 0;
    for (const char byte : start) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == 0)
            return false;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r')
            ++controls;
    }
    return controls * 100 <= start.size();
}

bool fileLooksLikeText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && looksLikeText(file.read(textProbeBytes));
}

} // namespace blinket
