// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

namespace blinket {

// The file where the program keeps its own options and the practice windows' places:
// $XDG_CONFIG_HOME/blinket/blinket.conf (~/.config unless XDG_CONFIG_HOME says otherwise), in
// INI form, so that a learner or a script can set them too. The settings file of Save and
// Load, blinket.txt, is another matter and never changes for these.
QString optionsFilePath();
// That file, opened afresh (the path is looked up every time, never cached).
std::unique_ptr<QSettings> optionsFile();

// The options of our own, as the Options window shows them and the file keeps them.
struct Options
{
    QString letterSpeed;      // [signal] letterSpeed: words a minute, as typed; empty: none
    bool figures = false;     // [runs] characters: a comma list of the groups below,
    bool punctuation = false; //   "letters" among them; the letters alone when absent
    bool procedure = false;
    bool letters = true;
    QString textFile;        // [runs] textFile: empty for the built-in words
    bool drillWords = false; // [drill] text: "groups" (the default) or "words"
    bool drillExam = false;  // [drill] exam: true for the exam form

    friend bool operator==(const Options &, const Options &) = default;
};

// Why a letter speed cannot be used (it must make a time unit, as the speed must), in a
// phrase for the learner; empty when it can, or when it is empty.
QString letterSpeedProblem(const QString &text);

// Reads the options; a value that cannot be used (not a number, too large, an unknown word)
// is ignored, its default taken, and told in *problems, one sentence each for the learner.
Options readOptions(QSettings &file, QStringList *problems = nullptr);
void writeOptions(QSettings &file, const Options &options);

} // namespace blinket
