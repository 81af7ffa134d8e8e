// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/copycheck/copybox.h"

#include "practice/copytext.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include <algorithm>
#include <limits>

namespace blinket {

namespace {

int countedIn(QStringView text, QStringView runCharacters)
{
    return int(copyCharacters(text, runCharacters).size());
}

} // namespace

void CopyBox::setRun(const QString &runCharacters, int limit)
{
    m_runCharacters = runCharacters;
    m_limit = limit;
    m_leftOut = 0;
    emit leftOutChanged(0);
}

int CopyBox::room() const
{
    if (m_limit < 0)
        return std::numeric_limits<int>::max();
    const int held = countedIn(toPlainText(), m_runCharacters);
    const int replaced = countedIn(textCursor().selectedText(), m_runCharacters);
    return std::max(0, m_limit - held + replaced);
}

void CopyBox::refuse(int count)
{
    if (count <= 0)
        return;
    m_leftOut += count;
    emit leftOutChanged(m_leftOut);
}

void CopyBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool counts = text.size() == 1 && !copyCharacter(text.front(), m_runCharacters).isNull();
    if (counts && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && room() == 0) {
        refuse(1);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool CopyBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void CopyBox::insertFromMimeData(const QMimeData *source)
{
    const QString pasted = source->text();
    int fits = room();
    // Characters that do not count (spaces, line ends) come along between those that do, but
    // never more than a few for each: a paste of nothing but junk stays small too.
    const qsizetype mostTaken = qsizetype(std::min(fits, 1 << 24)) * 4 + 256;
    qsizetype taken = 0;
    for (; taken < pasted.size() && taken < mostTaken; ++taken) {
        if (!copyCharacter(pasted[taken], m_runCharacters).isNull()) {
            if (fits == 0)
                break;
            --fits;
        }
    }
    refuse(countedIn(QStringView(pasted).mid(taken), m_runCharacters));
    QTextCursor cursor = textCursor();
    cursor.insertText(pasted.left(taken));
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace blinket
