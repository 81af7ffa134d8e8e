// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/lessons.h"

namespace blinket {

std::optional<QStringView> lessonLetters(qint16 index)
{
    // Each button sends exactly the letters of its caption ("AUV" included).
    switch (index) {
    case 0:
        return u"AUV";
    case 1:
        return u"TMO";
    case 2:
        return u"NDB";
    case 3:
        return u"EISH";
    case 4:
        return u"WG";
    case 5:
        return u"KR";
    case 6:
        return u"PX";
    case 7:
        return u"YQ";
    case 8:
        return u"DU";
    case 9:
        return u"NA";
    case 10:
        return u"LF";
    case 12:
        return u"ZJC";
    default:
        return std::nullopt;
    }
}

} // namespace blinket
