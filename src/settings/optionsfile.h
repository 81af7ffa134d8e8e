// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/internationaltiming.h"
#include "signal/lightconditions.h"

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace blinket {

// The file where the program keeps its own options and the practice windows' places:
// $XDG_CONFIG_HOME/blinket/blinket.conf (~/.config unless XDG_CONFIG_HOME says otherwise), in
// INI form, so that a learner or a script can set them too. The settings file of Save and
// Load, blinket.txt, is another matter and never changes for these.
QString optionsFilePath();
// That file, opened afresh (the path is looked up every time, never cached).
std::unique_ptr<QSettings> optionsFile();

// What the keying exercise asks the learner to send: groups of five of the chosen characters,
// words of the text runs' source, or signals of the International Code.
enum class KeyingText { Groups, Words, Signals };

// The options of our own, as the Options window shows them and the file keeps them.
struct Options
{
    QString letterSpeed;         // [signal] letterSpeed: words a minute, as typed; empty: none
    Timing timing = Timing::Own; // [signal] timing: own (the default) or international
    LightConditions light;       // [light] distance, haze, shimmer, sky, shutter, hand
    bool figures = false;        // [runs] characters: a comma list of the groups below,
    bool punctuation = false;    //   "letters" among them; the letters alone when absent
    bool procedure = false;
    bool letters = true;
    bool hebrew = false;     //   "hebrew": the Hebrew letters, in place of A to Z
    QString textFile;        // [runs] textFile: empty for the built-in words
    bool drillWords = false; // [drill] text: "groups" (the default) or "words"
    bool drillExam = false;  // [drill] exam: true for the exam form

    QString lampKey = QStringLiteral("Space");  // [keying] key: a name lampKeyCode reads
    KeyingText keyingText = KeyingText::Groups; // [keying] send: groups, words or signals
    bool keyingInDrill = false; // [keying] drill: true to answer the message drill by keying

    friend bool operator==(const Options &, const Options &) = default;
};

// Each option, kept under a key of its own.
enum class OptionKey {
    LetterSpeed,
    Timing,
    Characters,
    TextFile,
    DrillText,
    DrillExam,
    LampKey,
    KeyingText,
    KeyingInDrill,
    LightDistance,
    LightHaze,
    LightShimmer,
    LightSky,
    LightShutter,
    LightHand
};

// A value in the file that cannot be used: which option, the value as written, and why, in a
// phrase for the learner.
struct OptionProblem
{
    OptionKey key;
    QString written;
    QString why;
};

// The options as the file holds them, read once. A value that cannot be used (not a number,
// too fast, an unknown word, a text file out of reach) is not taken: its default is, and the
// problem is told.
struct OptionsReading
{
    Options options;
    std::vector<OptionProblem> problems;

    // The problem of one option, or none.
    const OptionProblem *problem(OptionKey key) const;
};

// Why a letter speed cannot be used, in a phrase for the learner: not a number, no time unit,
// or dots too short for the screen to show; empty when it can, or when it is empty.
// The dots are those of the timing.
QString letterSpeedProblem(const QString &text, Timing timing = Timing::Own);

// The key (a Qt::Key) a name stands for, the name written as Qt writes a key (Space, F12, A,
// Return, Ins, in any case) or a modifier key alone (Ctrl, Shift, Alt, Meta); none for a name
// that is not exactly one key without modifiers ("Ctrl+A", "A, B", "").
std::optional<int> lampKeyCode(const QString &name);
// The name of a key as the file keeps it; empty for a key that has no name lampKeyCode reads.
QString lampKeyName(int key);
// Why a key name cannot be the lamp key, in a phrase for the learner: not one key, or a key
// the keying window keeps for itself; empty when it can.
QString lampKeyProblem(const QString &name);

OptionsReading readOptions(QSettings &file);
// Writes one option as options hold it; the rest of the file stays as it is, hand-written
// values that cannot be used among them.
void writeOption(QSettings &file, OptionKey key, const Options &options);

} // namespace blinket
