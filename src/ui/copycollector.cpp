// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/copycollector.h"

#include "platform/platform.h"
#include "practice/copytext.h"
#include "practice/practicesession.h"
#include "signal/characters.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace blinket {

CopyCollector::CopyCollector(QWidget &window, PracticeSession &session, Platform &platform)
    : QObject(&window), m_window(window), m_session(session), m_platform(platform)
{}

void CopyCollector::setMode(Mode mode)
{
    if (m_mode == Mode::Off && mode != Mode::Off)
        QCoreApplication::instance()->installEventFilter(this);
    else if (m_mode != Mode::Off && mode == Mode::Off)
        QCoreApplication::instance()->removeEventFilter(this);
    m_mode = mode;
}

void CopyCollector::start()
{
    setMode(Mode::Copy);
    m_typed = false;
    m_copyBox.clear();
}

void CopyCollector::startDrill(const QString &runCharacters)
{
    start();
    setMode(Mode::Drill);
    m_runCharacters = runCharacters;
    m_answering.clear();
    m_answers.clear();
}

void CopyCollector::handOverTo(QWidget &copyBox)
{
    m_copyBox = &copyBox;
    m_windowLeft = false;
    setMode(Mode::Handover);
}

void CopyCollector::stop()
{
    setMode(Mode::Off);
    m_copyBox.clear();
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
    m_answers.push_back({kind, m_answering, m_platform.steadySeconds()});
    m_answering.clear();
}

void CopyCollector::acknowledgeKeyed(const QString &keyed)
{
    // Keyed signs read as A to Z; in a drill of Hebrew letters they are those letters.
    QString keyedAnswer = keyed;
    if (holdsHebrewLetters(m_runCharacters)) {
        for (QChar &c : keyedAnswer) {
            if (const QChar hebrew = hebrewOfSameSign(c); !hebrew.isNull())
                c = hebrew;
        }
    }
    m_answering += keyedAnswer;
    answer(ReceiverAnswer::Kind::Acknowledge);
}

bool CopyCollector::eventFilter(QObject *watched, QEvent *event)
{
    const auto *widget = qobject_cast<const QWidget *>(watched);
    const bool inWindow = widget && widget->window() == &m_window;
    if (m_mode == Mode::Handover) {
        // The learner turning to a window ends it: a click here, or coming back to this window.
        const QEvent::Type type = event->type();
        if (watched == &m_window && type == QEvent::WindowDeactivate)
            m_windowLeft = true;
        const bool back = watched == &m_window && type == QEvent::WindowActivate && m_windowLeft;
        const bool closed = !m_copyBox || (watched == m_copyBox->window() && type == QEvent::Hide);
        if (back || closed || (inWindow && type == QEvent::MouseButtonPress)) {
            stop();
            return false;
        }
    }
    // Keys go to the widget with the focus; only those inside the window are the copy's.
    if (event->type() != QEvent::KeyPress || !inWindow)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    return m_mode == Mode::Handover ? handOver(key) : takeKey(key);
}

bool CopyCollector::takeKey(const QKeyEvent &key)
{
    if (m_mode == Mode::Drill && !key.isAutoRepeat()) {
        const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
        // The R key, whatever the layout writes on it (ר on the Israeli one).
        const bool r =
            key.key() == Qt::Key_R ||
            (key.key() < 0x10000 && copyCharacter(QChar(char16_t(key.key())), {}) == u'R');
        if (held == Qt::ControlModifier && r) {
            answer(ReceiverAnswer::Kind::Repeat);
            return true;
        }
        if (held == Qt::NoModifier && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            answer(ReceiverAnswer::Kind::Acknowledge);
            return true;
        }
    }
    if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const bool backspace = key.key() == Qt::Key_Backspace;
    // Tab, Return, Escape, arrows, function keys and the like keep their work.
    if (!backspace && (key.text().isEmpty() || !key.text().front().isPrint()))
        return false;
    const QString text = keyText(key);
    // Space presses the focused button until the learner has typed: a learner who never types
    // stops the run so.
    if (!m_typed && text == u" ")
        return false;
    // A key held down repeats; one press is one character.
    if (key.isAutoRepeat())
        return true;
    if (!backspace && text != u" ")
        m_typed = true;
    if (m_mode == Mode::Drill) {
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

QString CopyCollector::keyText(const QKeyEvent &key)
{
    // The keys where a Latin layout has Q and W, as the window system numbers them: the
    // Israeli layout writes '/' and the apostrophe there, and a learner reading Q and '/' in
    // one run has that key for both.
    constexpr quint32 qKey = 24;
    constexpr quint32 wKey = 25;
    // The key of ת on the Israeli layout, the comma's on a Latin one.
    constexpr quint32 tavKey = 59;
    const QString text = key.text();
    if (text == u"/" && key.nativeScanCode() == qKey)
        return QString(qOrSlash);
    if (text == u"'" && key.nativeScanCode() == wKey)
        return QString(wOrApostrophe);
    if (text == u"," && key.nativeScanCode() == tavKey)
        return QString(tavOrComma);
    return text;
}

bool CopyCollector::handOver(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    if (key.key() != Qt::Key_Backspace && (text.isEmpty() || !text.front().isPrint()))
        return false;
    QKeyEvent typed(QEvent::KeyPress, key.key(), key.modifiers(), text, key.isAutoRepeat(),
                    key.count());
    QCoreApplication::sendEvent(m_copyBox, &typed);
    return true;
}

} // namespace blinket
