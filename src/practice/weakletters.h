// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"
#include "signal/characters.h"

#include <QChar>

#include <array>
#include <vector>

namespace blinket {

// Per letter A to Z an estimate of how often it is read wrong: 0.5 for a letter never sent,
// then after each of its outcomes in time order e := 7/8 e + 1/8 x, with x = 1 for a letter
// read wrong or missed and 0 for one read right. Recent outcomes count most; a keying's count
// for nothing (RunRecord::readsLetters).
std::array<double, sendableCount> errorEstimates(const std::vector<RunRecord> &runs);

// How strongly a weak-letter run favours each character it draws from (drawnFrom; the
// letters A to Z unless the learner chose others): its error estimate plus 0.05, so that a
// character always read right still comes up now and then. Characters it does not draw from
// weigh nothing.
std::array<double, sendableCount>
letterWeights(const std::vector<RunRecord> &runs,
              QStringView drawnFrom = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// The character whose share of the cumulative weights holds r x the total, for a uniform
// 0 <= r < 1; equal weights make it a uniform draw. Characters of weight 0 are never drawn.
// Never goes past the last character with a weight; with no weight at all, Z.
QChar weightedLetter(const std::array<double, sendableCount> &weights, float r);

} // namespace blinket
