// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// The lamp the learner watches: lit or dark.
class Lamp
{
public:
    virtual ~Lamp() = default;
    virtual void setLit(bool lit) = 0;
};

} // namespace blinket
