// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/keyingexercise.h"

#include "runs/keyinggrade.h"
#include "signal/characters.h"

#include <algorithm>
#include <utility>

namespace blinket {

namespace {

// How long the exercise waits for the window's events at a time: the lamp answers a key as it
// comes, and what was read is looked at this often.
constexpr qint32 keyingSliceMs = 10;
// Far more marks than anything asked holds: past them the keying is graded as it stands, and
// reading it again at every mark stays quick.
constexpr std::size_t mostStrokes = 600;

QString withoutSpaces(QString text)
{
    text.remove(u' ');
    return text;
}

} // namespace

KeyingExercise::KeyingExercise(Sender &sender, LampKey &key, QString asked, QString prompt,
                               double priorUnit)
    : m_sender(sender), m_key(key), m_asked(std::move(asked)), m_prompt(std::move(prompt)),
      m_priorUnit(priorUnit), m_hebrew(holdsHebrewLetters(m_asked))
{}

RunResult KeyingExercise::run()
{
    RunView &view = m_sender.view();
    Platform &platform = m_sender.platform();
    m_sender.state().Running = 1;
    view.setControlVisible(RunView::Control::Command2, false);
    m_sender.hideBannersResultsAndPanels();
    view.setControlVisible(RunView::Control::pic1, false);
    view.showKeying(m_prompt, QString());
    // However the exercise ends, an error or the program's end among the ways, the key lets
    // go of the lamp.
    struct Listening
    {
        LampKey &key;
        explicit Listening(LampKey &lampKey) : key(lampKey) { key.listen(); }
        ~Listening() { key.stopListening(); }
    } listening(m_key);

    std::vector<KeyStroke> strokes;
    KeyReading reading;
    bool graded = false;
    while (!m_sender.stopped()) {
        platform.awaitEvents(keyingSliceMs);
        const bool finish = m_key.takeFinish();
        std::vector<KeyStroke> now = m_key.strokes();
        if (now.size() != strokes.size()) {
            strokes = std::move(now);
            reading = readKeying(strokes, m_priorUnit, m_hebrew);
            view.showKeying(m_prompt, reading.text);
        }
        if (strokes.empty() || m_key.held())
            continue;
        if (finish || strokes.size() >= mostStrokes || keyedAsAsked(reading, strokes)) {
            graded = true;
            break;
        }
    }
    m_key.stopListening();
    view.showKeying(QString(), QString());
    RunResult result;
    if (graded) {
        result.lettersSent = m_asked;
        result.seconds = float(strokes.back().up - strokes.front().down);
        result.keying = gradeKeying(m_asked, reading);
        m_sender.write(reading.text);
    }
    m_sender.restoreWindow();
    m_sender.state().Running = 0;
    return result;
}

bool KeyingExercise::keyedAsAsked(const KeyReading &reading,
                                  const std::vector<KeyStroke> &strokes) const
{
    const bool letterClosed = m_key.now() - strokes.back().up >= reading.closingSpace;
    // A final form asked is keyed as its letter.
    return letterClosed &&
           std::ranges::equal(withoutSpaces(reading.text), withoutSpaces(m_asked), &readsAs);
}

} // namespace blinket
