// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "practice/copyscore.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTextBrowser;

namespace blinket {

// The Copy check window: the letters a run sent with the learner's copy lined up under them,
// the score, and a table of the run's letters. The copy stays editable, for a learner who
// wrote on paper or made a slip, and Check scores it again.
class CopyCheckWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CopyCheckWindow(QWidget *parent = nullptr);

    // A run to check: the letters it sent and the copy typed so far. A copy is scored at
    // once; without one the learner is asked to type it.
    void showRun(const QString &sent, const QString &copy);
    // Before the first run there is nothing to check.
    void showNothingToCheck();
    // A line under the score, about what became of the run in the practice history.
    void setStatus(const QString &text);

signals:
    // The copy has been scored: when a run is shown with one, and at every Check.
    void scored(const QString &copy, const CopyScore &score);
    void progressRequested();

private:
    void check();
    void showScore(const CopyScore &score);
    void showLetters(const CopyScore &score);

    QString m_sent;
    QLabel *m_score = nullptr;
    QLabel *m_counts = nullptr;
    QTextBrowser *m_marks = nullptr;
    QTableWidget *m_letters = nullptr;
    QPlainTextEdit *m_copy = nullptr;
    QPushButton *m_check = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace blinket
