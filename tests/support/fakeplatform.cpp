// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"

#include <algorithm>

namespace blinket {

void FakePlatform::processEvents()
{
    throwIfEnding();
    m_steps.push_back({Kind::Events, 0, m_now, {}});
    // Due actions run in time order; an action may script further ones.
    for (;;) {
        const auto due = std::ranges::find_if(
            m_actions, [this](const auto &action) { return action.first <= m_now; });
        if (due == m_actions.end())
            break;
        const std::function<void()> action = std::move(due->second);
        m_actions.erase(due);
        action();
    }
    throwIfEnding();
}

void FakePlatform::Sleep(qint32 ms)
{
    throwIfEnding();
    m_steps.push_back({Kind::Sleep, ms, m_now, {}});
    m_now += std::max(ms, 0);
}

float FakePlatform::Timer()
{
    constexpr qint64 day = 86400000;
    return static_cast<float>(static_cast<double>((m_dayStartMs + m_now) % day) / 1000.0);
}

void FakePlatform::Randomize(float seed)
{
    m_seed = seed;
    m_random.reseed(seed);
}

float FakePlatform::Rnd()
{
    if (m_scriptedDraws.empty())
        return m_random.next();
    const float draw = m_scriptedDraws.front();
    m_scriptedDraws.erase(m_scriptedDraws.begin());
    return draw;
}

void FakePlatform::scriptDraws(const std::vector<float> &draws)
{
    m_scriptedDraws.insert(m_scriptedDraws.end(), draws.begin(), draws.end());
}

void FakePlatform::setLit(bool lit)
{
    m_lit = lit;
    m_steps.push_back({lit ? Kind::Lit : Kind::Dark, 0, m_now, {}});
}

void FakePlatform::at(qint64 ms, std::function<void()> action)
{
    const auto later =
        std::ranges::upper_bound(m_actions, ms, {}, &decltype(m_actions)::value_type::first);
    m_actions.insert(later, {ms, std::move(action)});
}

QString FakePlatform::timeline() const
{
    QStringList words;
    for (const Step &step : m_steps) {
        switch (step.kind) {
        case Kind::Lit:
            words << QStringLiteral("on");
            break;
        case Kind::Dark:
            words << QStringLiteral("off");
            break;
        case Kind::Events:
            words << QStringLiteral("ev");
            break;
        case Kind::Sleep:
            words << QString::number(step.ms);
            break;
        case Kind::Note:
            words << step.note;
            break;
        }
    }
    return words.join(QLatin1Char(' '));
}

QStringList FakePlatform::sleeps() const
{
    QStringList result;
    bool lit = true;
    for (const Step &step : m_steps) {
        if (step.kind == Kind::Lit || step.kind == Kind::Dark)
            lit = step.kind == Kind::Lit;
        else if (step.kind == Kind::Sleep)
            result << (lit ? QStringLiteral("+") : QStringLiteral("-")) + QString::number(step.ms);
    }
    return result;
}

QList<qint32> FakePlatform::durations() const
{
    QList<qint32> result;
    for (const Step &step : m_steps) {
        if (step.kind == Kind::Sleep)
            result << step.ms;
    }
    return result;
}

qint64 FakePlatform::sleptMs() const
{
    qint64 total = 0;
    for (const Step &step : m_steps) {
        if (step.kind == Kind::Sleep)
            total += std::max(step.ms, 0);
    }
    return total;
}

} // namespace blinket
