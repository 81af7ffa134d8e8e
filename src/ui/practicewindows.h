// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace blinket {

class CopyCheckWindow;
class ErrorGuard;
class KeyingGradeWindow;
class OptionsWindow;
class PracticeSession;
class ProgressView;
struct KeyingGrade;

// The main window's practice windows: the Copy check, the keying grade, Progress and Options.
// Each is made when first shown, opens beside the main window (never over the lamp or Stop),
// and hides while a run sends; Progress and Options come back after the run, Progress with the
// run in it.
class PracticeWindows : public QObject
{
    Q_OBJECT
public:
    // What the Progress window's buttons start: a lesson by its number, and weak letters.
    struct Starts
    {
        std::function<void(int lesson)> lesson;
        std::function<void()> weakLetters;
    };

    // keptInSight: the parts of main another window must not cover, in main's coordinates.
    PracticeWindows(QWidget &main, PracticeSession &session, ErrorGuard &guard,
                    std::function<QList<QRect>()> keptInSight, Starts starts);

    // The Copy check window for the session's last run, in front.
    void showCopyCheck();
    // The keying grade window with this grade, in front.
    void showKeyingGrade(const KeyingGrade &grade, const QString &kept);
    void showProgress();
    void showOptions();

    // A run is about to send, and is over.
    void hideForRun();
    void showAfterRun();

signals:
    // A run with a copy ended and the Copy check window opened for it; typingBox is where the
    // copy is typed there.
    void copyCheckOpenedAfterRun(QWidget &typingBox);
    // The keying grade window's Key another.
    void keyAnother();

private:
    CopyCheckWindow &copyCheckWindow();
    // Where window opens: a learner can use it no smaller than usable.
    void place(QWidget &window, QSize usable);

    QWidget &m_main;
    PracticeSession &m_session;
    ErrorGuard &m_guard;
    std::function<QList<QRect>()> m_keptInSight;
    Starts m_starts;
    CopyCheckWindow *m_copyCheck = nullptr;
    KeyingGradeWindow *m_keyingGrade = nullptr;
    ProgressView *m_progress = nullptr;
    OptionsWindow *m_options = nullptr;
    bool m_progressBack = false;
    bool m_optionsBack = false;
};

} // namespace blinket
