// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/practicewindows.h"

#include "platform/errorguard.h"
#include "practice/practicesession.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/fonts.h"
#include "ui/keying/keyinggradewindow.h"
#include "ui/options/optionswindow.h"
#include "ui/progressbridge.h"
#include "ui/progressopener.h"
#include "ui/windowplace.h"

#include <memory>

namespace blinket {

namespace {

void toFront(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

PracticeWindows::PracticeWindows(QWidget &main, PracticeSession &session, ErrorGuard &guard,
                                 std::function<QList<QRect>()> keptInSight, Starts starts)
    : QObject(&main), m_main(main), m_session(session), m_guard(guard),
      m_keptInSight(std::move(keptInSight)), m_starts(std::move(starts))
{
    connect(&session, &PracticeSession::runEnded, this, [this] {
        // The windows the run hid first, so that the Copy check window opens clear of them.
        showAfterRun();
        showCopyCheck();
        emit copyCheckOpenedAfterRun(copyCheckWindow().typingBox());
    });
}

void PracticeWindows::place(QWidget &window, QSize usable)
{
    new WindowPlace(window, m_main, m_keptInSight, usable);
}

CopyCheckWindow &PracticeWindows::copyCheckWindow()
{
    if (!m_copyCheck) {
        m_copyCheck = new CopyCheckWindow(m_session, &m_main);
        place(*m_copyCheck, QSize(420, 260));
        connect(m_copyCheck, &CopyCheckWindow::progressRequested, this,
                [this] { m_guard.run([this] { showProgress(); }); });
    }
    return *m_copyCheck;
}

void PracticeWindows::showCopyCheck()
{
    CopyCheckWindow &window = copyCheckWindow();
    window.showLastRun();
    toFront(window);
}

void PracticeWindows::showKeyingGrade(const KeyingGrade &grade, const QString &kept)
{
    if (!m_keyingGrade) {
        m_keyingGrade = new KeyingGradeWindow(&m_main);
        place(*m_keyingGrade, QSize(420, 300));
        connect(m_keyingGrade, &KeyingGradeWindow::keyAnother, this, &PracticeWindows::keyAnother);
    }
    m_keyingGrade->showGrade(grade, kept);
    toFront(*m_keyingGrade);
}

void PracticeWindows::showProgress()
{
    if (!m_progress) {
        auto bridge =
            std::make_unique<ProgressBridge>(m_session, m_starts.lesson, m_starts.weakLetters);
        m_progress = openProgressWindow(*bridge, &m_main);
        bridge.release()->setParent(m_progress);
        m_progress->setFont(dialogFont());
        // Its charts want width to be read.
        place(*m_progress, QSize(600, 420));
        // Also while a run hides it: it comes back after the run, with the run in it.
        connect(&m_session, &PracticeSession::historyChanged, m_progress, [this] {
            if (m_progress->isVisible() || m_progressBack)
                m_progress->refresh();
        });
    }
    m_progress->refresh();
    toFront(*m_progress);
}

void PracticeWindows::showOptions()
{
    if (!m_options) {
        m_options = new OptionsWindow(&m_main);
        place(*m_options, QSize(380, 320));
    }
    m_options->load();
    // The lamp, pic1, and the window as they are painted now, for the light's preview: Load may
    // have changed their colours since the window was last shown.
    const auto *lamp = m_main.findChild<const QWidget *>(QStringLiteral("pic1"));
    const QColor window = m_main.palette().color(QPalette::Window);
    m_options->setLampColours(lamp ? lamp->palette().color(QPalette::Window) : window, window);
    toFront(*m_options);
}

void PracticeWindows::hideForRun()
{
    // A new run makes the check and the grade of the last one stale; Progress and Options come
    // back after the run, and the keyboard is the main window's meanwhile.
    if (m_copyCheck)
        m_copyCheck->hide();
    if (m_keyingGrade)
        m_keyingGrade->hide();
    m_progressBack = m_progress && m_progress->isVisible();
    if (m_progressBack)
        m_progress->hide();
    m_optionsBack = m_options && m_options->isVisible();
    if (m_optionsBack)
        m_options->hide();
}

void PracticeWindows::showAfterRun()
{
    // Back where they were, leaving the keyboard where it is: a learner may still be typing.
    for (const auto &[back, window] :
         {std::pair(m_progressBack, static_cast<QWidget *>(m_progress)),
          std::pair(m_optionsBack, static_cast<QWidget *>(m_options))}) {
        if (!back)
            continue;
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    m_progressBack = false;
    m_optionsBack = false;
}

} // namespace blinket
