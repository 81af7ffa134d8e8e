// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace blinket {

class CopyBox;
class CopyMarksView;
class PracticeSession;
struct RunRecord;

// The Copy check window: which run it was, the run's characters with the learner's copy lined
// up under them, the score, and a table of the run's characters. The copy stays editable, for
// a learner who wrote on paper or made a slip: it is scored again as it changes, and kept in
// the practice history a moment after the last change (Check keeps it at once). Esc or Close
// closes it.
class CopyCheckWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CopyCheckWindow(PracticeSession &session, QWidget *parent = nullptr);

    // Shows the session's last run with its copy, or that there is nothing to check yet.
    void showLastRun();
    // Where the learner types the copy.
    QWidget &typingBox();

signals:
    void progressRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Which run it was: its kind, speed, minutes (a drill: what it took), and the local date and
    // time it ran.
    static QString runDescription(const RunRecord &run);
    void showScore();
    void showLetters();
    void showLeftOut();

    PracticeSession &m_session;
    QLabel *m_run = nullptr;
    QLabel *m_score = nullptr;
    QLabel *m_counts = nullptr;
    QLabel *m_words = nullptr;
    QLabel *m_examLine = nullptr;
    CopyMarksView *m_marks = nullptr;
    QTableWidget *m_letters = nullptr;
    CopyBox *m_copy = nullptr;
    QLabel *m_leftOut = nullptr;
    QPushButton *m_check = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace blinket
