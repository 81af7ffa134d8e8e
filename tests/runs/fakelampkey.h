// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "fakeplatform.h"
#include "runs/lampkey.h"

#include <algorithm>
#include <vector>

namespace blinket {

// A learner keying on the fake clock: strokes scripted at virtual seconds come as the clock
// passes them, and Enter at a virtual second of its own.
class FakeLampKey : public LampKey
{
public:
    explicit FakeLampKey(FakePlatform &platform) : m_platform(platform) {}

    void listen() override { listening = true; }
    void stopListening() override
    {
        listening = false;
        ++stops;
    }
    std::vector<KeyStroke> strokes() const override
    {
        std::vector<KeyStroke> done;
        std::ranges::copy_if(script, std::back_inserter(done),
                             [this](const KeyStroke &stroke) { return stroke.up <= now(); });
        return done;
    }
    bool held() const override
    {
        return std::ranges::any_of(script, [this](const KeyStroke &stroke) {
            return stroke.down <= now() && now() < stroke.up;
        });
    }
    double now() const override { return m_platform.steadySeconds(); }
    bool takeFinish() override
    {
        const bool due = finishAt && now() >= *finishAt;
        if (due)
            finishAt.reset();
        return due;
    }

    std::vector<KeyStroke> script;
    std::optional<double> finishAt;
    bool listening = false;
    int stops = 0;

private:
    FakePlatform &m_platform;
};

} // namespace blinket
