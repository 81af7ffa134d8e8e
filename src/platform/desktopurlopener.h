// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/urlopener.h"

namespace blinket {

// The desktop's own URL opener (xdg-open on Linux); error 53, "File not found", naming the
// address, when there is none.
class DesktopUrlOpener : public UrlOpener
{
public:
    void open(const QString &address) override;
};

} // namespace blinket
