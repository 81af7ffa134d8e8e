// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/copycollector.h"

#include "practice/copytext.h"
#include "practice/practicesession.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace blinket {

CopyCollector::CopyCollector(QWidget &window, PracticeSession &session)
    : QObject(&window), m_window(window), m_session(session)
{}

void CopyCollector::start()
{
    if (!m_collecting)
        QCoreApplication::instance()->installEventFilter(this);
    m_collecting = true;
    m_drill = false;
}

void CopyCollector::startDrill(const QString &runCharacters)
{
    start();
    m_drill = true;
    m_runCharacters = runCharacters;
    m_answering.clear();
    m_answers.clear();
}

std::optional<ReceiverAnswer> CopyCollector::nextAnswer()
{
    if (m_answers.empty())
        return std::nullopt;
    ReceiverAnswer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

void CopyCollector::answer(ReceiverAnswer::Kind kind)
{
    m_answers.push_back({kind, m_answering});
    m_answering.clear();
}

void CopyCollector::stop()
{
    if (m_collecting)
        QCoreApplication::instance()->removeEventFilter(this);
    m_collecting = false;
}

bool CopyCollector::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    // Keys go to the widget with the focus; only those inside the main window are the copy's.
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (m_drill && !key->isAutoRepeat()) {
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
        if (held == Qt::ControlModifier && key->key() == Qt::Key_R) {
            answer(ReceiverAnswer::Kind::Repeat);
            return true;
        }
        if (held == Qt::NoModifier &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            answer(ReceiverAnswer::Kind::Acknowledge);
            return true;
        }
    }
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const bool backspace = key->key() == Qt::Key_Backspace;
    const QString text = key->text();
    // Tab, Return, Escape, arrows, function keys and the like keep their work.
    if (!backspace && (text.isEmpty() || !text.front().isPrint()))
        return false;
    // A key held down repeats; one press is one character.
    if (key->isAutoRepeat())
        return true;
    if (m_drill) {
        const QChar counted =
            text.size() == 1 ? copyCharacter(text.front(), m_runCharacters) : QChar();
        if (backspace)
            m_answering.chop(1);
        else if (!counted.isNull())
            m_answering += counted;
    } else if (backspace) {
        m_session.takeBack();
    } else {
        m_session.type(text);
    }
    return true;
}

} // namespace blinket
