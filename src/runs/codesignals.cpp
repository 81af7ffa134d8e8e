// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/codesignals.h"

#include <QCoreApplication>

#include <array>

namespace blinket {

namespace {

// R has no meaning of its own as a single letter: it answers.
constexpr std::array codeSignalTable{
    CodeSignal{u"SOS", QT_TRANSLATE_NOOP("CodeSignal", "I am in distress and need help")},
    CodeSignal{u"A", QT_TRANSLATE_NOOP("CodeSignal",
                                       "I have a diver down; keep well clear at slow speed")},
    CodeSignal{u"B", QT_TRANSLATE_NOOP("CodeSignal",
                                       "I am taking in, discharging or carrying dangerous goods")},
    CodeSignal{u"C", QT_TRANSLATE_NOOP("CodeSignal", "Affirmative")},
    CodeSignal{u"D", QT_TRANSLATE_NOOP("CodeSignal",
                                       "Keep clear of me; I am manoeuvring with difficulty")},
    CodeSignal{u"E", QT_TRANSLATE_NOOP("CodeSignal", "I am altering my course to starboard")},
    CodeSignal{u"F", QT_TRANSLATE_NOOP("CodeSignal", "I am disabled; communicate with me")},
    CodeSignal{u"G", QT_TRANSLATE_NOOP("CodeSignal", "I require a pilot")},
    CodeSignal{u"H", QT_TRANSLATE_NOOP("CodeSignal", "I have a pilot on board")},
    CodeSignal{u"I", QT_TRANSLATE_NOOP("CodeSignal", "I am altering my course to port")},
    CodeSignal{u"J", QT_TRANSLATE_NOOP("CodeSignal",
                                       "I am on fire and have dangerous cargo on board; keep "
                                       "well clear of me")},
    CodeSignal{u"K", QT_TRANSLATE_NOOP("CodeSignal", "I wish to communicate with you")},
    CodeSignal{u"L", QT_TRANSLATE_NOOP("CodeSignal", "You should stop your vessel instantly")},
    CodeSignal{u"M", QT_TRANSLATE_NOOP("CodeSignal",
                                       "My vessel is stopped and making no way through the water")},
    CodeSignal{u"N", QT_TRANSLATE_NOOP("CodeSignal", "Negative")},
    CodeSignal{u"O", QT_TRANSLATE_NOOP("CodeSignal", "Man overboard")},
    CodeSignal{u"P", QT_TRANSLATE_NOOP("CodeSignal",
                                       "All persons should report on board, as the vessel is "
                                       "about to proceed to sea")},
    CodeSignal{u"Q",
               QT_TRANSLATE_NOOP("CodeSignal", "My vessel is healthy and I request free pratique")},
    CodeSignal{u"S", QT_TRANSLATE_NOOP("CodeSignal", "I am operating astern propulsion")},
    CodeSignal{u"T",
               QT_TRANSLATE_NOOP("CodeSignal", "Keep clear of me; I am engaged in pair trawling")},
    CodeSignal{u"U", QT_TRANSLATE_NOOP("CodeSignal", "You are running into danger")},
    CodeSignal{u"V", QT_TRANSLATE_NOOP("CodeSignal", "I require assistance")},
    CodeSignal{u"W", QT_TRANSLATE_NOOP("CodeSignal", "I require medical assistance")},
    CodeSignal{u"X",
               QT_TRANSLATE_NOOP("CodeSignal", "Stop carrying out your intentions and watch for my "
                                               "signals")},
    CodeSignal{u"Y", QT_TRANSLATE_NOOP("CodeSignal", "I am dragging my anchor")},
    CodeSignal{u"Z", QT_TRANSLATE_NOOP("CodeSignal", "I require a tug")},
};

} // namespace

std::span<const CodeSignal> codeSignals()
{
    return codeSignalTable;
}

QString signalPrompt(const CodeSignal &signal)
{
    return QCoreApplication::translate("CodeSignal", "%1: %2")
        .arg(QString::fromUtf16(signal.letters),
             QCoreApplication::translate("CodeSignal", signal.meaning));
}

} // namespace blinket
