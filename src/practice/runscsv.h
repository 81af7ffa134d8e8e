// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace blinket {

// A field as CSV writes it: quoted, with its quotes doubled, when it holds a comma, a quote,
// a carriage return or a line feed; as it is otherwise.
QString csvField(const QString &text);

// The runs as CSV in UTF-8: a header row, then one row per run, each line ended by CR LF.
// The columns: id, started (UTC, ISO 8601), kind, lesson (1 to 12, 101 to 108 for Hebrew
// lesson 1 to 8, 0 for a run of another kind), speed, unit, minutes, elapsed_seconds, sent,
// copy, right, wrong, missed, extra, accuracy (in whole percent, as the windows show it),
// readings (per sent character the character read, '-' for missed) and repeats (how often a
// message drill's learner asked for a group again); then for a keying (empty for any other
// run) merit, keyed_wpm, dash_ratio, element_gap_ratio, letter_gap_ratio, word_gap_ratio,
// dot_spread and dash_spread (see KeyingFigures), written with a dot whatever the locale; then
// timing ("own" or "international") and light (lightText: empty for the plain lamp).
QByteArray runsAsCsv(const std::vector<RunRecord> &runs);

} // namespace blinket
