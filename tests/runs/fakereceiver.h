// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "fakeplatform.h"
#include "runs/receiver.h"
#include "signal/characters.h"

#include <QHash>

#include <algorithm>
#include <deque>
#include <limits>
#include <string>
#include <vector>

namespace blinket {

// A learner answering a message drill: answers given at once, or scripted, each given a number
// of milliseconds after the drill begins to look for it.
class FakeReceiver : public Receiver
{
public:
    using Kind = ReceiverAnswer::Kind;

    explicit FakeReceiver(FakePlatform &platform) : m_platform(platform) {}

    std::optional<ReceiverAnswer> nextAnswer() override
    {
        if (m_given.empty() && !m_waiting && !m_script.empty()) {
            m_waiting = true;
            const qint64 at = m_platform.now() + m_script.front().second;
            m_platform.at(at, [this] {
                give(m_script.front().first.kind, m_script.front().first.typed);
                m_script.pop_front();
                m_waiting = false;
            });
        }
        if (m_given.empty())
            return std::nullopt;
        const ReceiverAnswer answer = m_given.front();
        m_given.pop_front();
        return answer;
    }

    QString typing() const override { return typingNow; }
    void acknowledgeKeyed(const QString &keyed) override
    {
        give(Kind::Acknowledge, typingNow + keyed);
        typingNow.clear();
    }

    // An answer given now.
    void give(Kind kind, const QString &typed)
    {
        m_given.push_back({kind, typed, m_platform.steadySeconds()});
    }
    void script(Kind kind, const char *typed = "", qint64 afterMs = 0)
    {
        m_script.push_back({{kind, QString::fromUtf8(typed)}, afterMs});
    }
    void acknowledge(std::initializer_list<const char *> typed)
    {
        for (const char *each : typed)
            script(Kind::Acknowledge, each);
    }

    // What the learner has typed and not yet given with an answer.
    QString typingNow;

private:
    FakePlatform &m_platform;
    std::deque<std::pair<ReceiverAnswer, qint64>> m_script;
    std::deque<ReceiverAnswer> m_given;
    bool m_waiting = false;
};

// What the lamp showed: the characters, and when the first flash of each of them began.
struct ShownSigns
{
    QString text;
    QHash<QChar, QList<qint64>> times;
};

// The signs read back from the timeline. The shortest flash is a dot, and a gap no longer than
// a dot stays inside a character.
inline ShownSigns shownSigns(const FakePlatform &platform)
{
    std::vector<qint64> switches; // lit, dark, lit, dark, ...
    for (const FakePlatform::Step &step : platform.steps()) {
        const bool lit = step.kind == FakePlatform::Kind::Lit;
        if ((lit || step.kind == FakePlatform::Kind::Dark) && lit == (switches.size() % 2 == 0))
            switches.push_back(step.at);
    }
    qint64 dot = std::numeric_limits<qint64>::max();
    for (std::size_t i = 1; i < switches.size(); i += 2)
        dot = std::min(dot, switches[i] - switches[i - 1]);
    ShownSigns signs;
    std::string elements;
    // The lamp shown again after the run is no flash.
    for (std::size_t i = 1; i < switches.size(); i += 2) {
        elements += switches[i] - switches[i - 1] == dot ? '.' : '-';
        if (i + 1 < switches.size() && switches[i + 1] - switches[i] <= dot)
            continue;
        const QStringView all = sendableCharacters();
        const auto sign = std::ranges::find(all, elements, &morseElements);
        const QChar shown = sign == all.end() ? QChar(u'?') : *sign;
        signs.text += shown;
        signs.times[shown] << switches[i + 1 - 2 * elements.size()];
        elements.clear();
    }
    return signs;
}

} // namespace blinket
