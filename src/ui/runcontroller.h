// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "platform/errorguard.h"
#include "platform/platform.h"
#include "runs/exercise.h"
#include "runs/runview.h"
#include "runs/sender.h"
#include "runs/textsource.h"
#include "runs/windowstate.h"
#include "settings/optionsfile.h"
#include "signal/signalelements.h"
#include "ui/copycollector.h"
#include "ui/notices.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

namespace blinket {

class LampKeyWatcher;
class PracticeSession;
struct KeyingGrade;
struct RunRecord;

// A run the learner asked for, as a button or the Progress window asks for it.
struct RunRequest
{
    enum class What { AtoZ, SpeedCheck, Lesson, WeakLetters, Text, Drill, Keying, HebrewLesson };
    What what = What::AtoZ;
    qint16 lessonIndex = 0; // a lesson's button
    int hebrewLesson = 0;   // a Hebrew lesson, by its number as kept (101 to 108)
};

// Runs the exercises of the main window. For each request it reads the options once, tells
// their problems before the first flash (each once while the program runs), prepares what the
// exercise needs (its characters, words or weights), runs it, collects what the learner types
// from the first flash until the Copy check window has the keyboard, and hands the outcome to
// the practice session. The windows follow it by its signals.
class RunController : public QObject
{
    Q_OBJECT
public:
    RunController(QWidget &window, RunView &view, SignalElements &elements, Platform &platform,
                  WindowState &state, ErrorGuard &guard, PracticeSession &session);
    ~RunController() override;

    // Where problems with the options are told: a box over the window unless a test says
    // otherwise.
    void setNotices(Notices &notices) { m_notices = &notices; }
    // The lamp key, for keying and for answering a message drill with it.
    void setLampKey(LampKeyWatcher &key) { m_lampKey = &key; }

    // Runs what was asked, holding the thread until the run is over; nothing while a run is
    // under way.
    void run(const RunRequest &request);
    bool underWay() const { return m_underWay; }
    // Keys typed into the window after the run go into copyBox (the Copy check window's) until
    // the learner turns to a window.
    void handOverTo(QWidget &copyBox);

signals:
    // A run is about to send: nothing may stand over the lamp.
    void runStarting();
    // The run is over and the window is as it is between runs.
    void runOver();
    // A keying was graded (after runOver), and kept in the practice history as kept says.
    void keyingGraded(const KeyingGrade &grade, const QString &kept);

private:
    struct Prepared;

    Prepared prepare(const RunRequest &request, const Options &options);
    // The words of a text run or of a drill that sends words: the learner's text file, or the
    // built-in words when there is none or it cannot be read, said in problems.
    TextSource textWords(const Options &options, QStringView sendable, QStringList &problems);
    // The keying exercise: what to send as the options choose, and the lamp key they set.
    void prepareKeying(Prepared &prepared, const Options &options);
    // timing: the one the keying was graded on.
    void keepKeying(const RunResult &result, Timing timing);
    void tellOnce(const QStringList &problems);
    void endCopy(bool completed, const RunResult &result);

    QWidget &m_window;
    RunView &m_view;
    Platform &m_platform;
    WindowState &m_state;
    ErrorGuard &m_guard;
    PracticeSession &m_session;
    MessageBoxNotices m_messageBoxes;
    Notices *m_notices = &m_messageBoxes;
    Sender m_sender;
    CopyCollector *m_collector = nullptr;
    LampKeyWatcher *m_lampKey = nullptr;
    // The learner's dot (seconds) as their last keying showed it: a beginner's until then.
    double m_keyingUnit = 0.15;
    bool m_underWay = false;
    QStringList m_told;
};

} // namespace blinket
