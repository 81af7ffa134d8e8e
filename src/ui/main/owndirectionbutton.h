// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QPushButton>

namespace blinket {

// A push button whose caption is laid out in the button's own direction. Qt paints a button's
// caption in the application's direction, so in a right-to-left desktop a left-to-right
// window's caption of English and Hebrew side by side would come out the other way round.
class OwnDirectionButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace blinket
