// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "ui/notices.h"

#include <QStringList>

#include <functional>

namespace blinket {

// Keeps what the program tells the learner before a run, instead of showing boxes.
class RecordingNotices : public Notices
{
public:
    void tell(const QString &text) override
    {
        told << text;
        if (onTell)
            onTell();
    }
    QStringList told;
    std::function<void()> onTell; // for a look at the moment it was told
};

} // namespace blinket
