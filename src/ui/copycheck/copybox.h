// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace blinket {

// The box the learner types or pastes a copy into. It takes no more characters that count in
// the copy than the run allows: what is typed or pasted beyond that is not taken, and
// leftOut() says how much was refused, so that a huge paste can neither freeze the window nor
// fill the memory.
class CopyBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    // The run's characters besides A to Z, and the most characters of them and of the
    // letters the box takes; the count of refused characters starts again.
    void setRun(const QString &runCharacters, int limit);
    int leftOut() const { return m_leftOut; }

signals:
    void leftOutChanged(int count);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // How many more counted characters fit, the selection about to be replaced given back.
    int room() const;
    void refuse(int count);

    QString m_runCharacters;
    int m_limit = -1;
    int m_leftOut = 0;
};

} // namespace blinket
