// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace blinket {

// A control of the window by its name ("Combo1", "Command3(12)", "Label4(0)"); the test
// program stops when there is none, since every test after it would be meaningless.
template <typename Control = QWidget> Control *control(const QWidget &window, const QString &name)
{
    auto *found = window.findChild<Control *>(name);
    if (!found) {
        std::fprintf(stderr, "no control named %s\n", qPrintable(name));
        std::abort();
    }
    return found;
}

template <typename Control = QWidget> Control *control(const QWidget &window, const char *name)
{
    return control<Control>(window, QString::fromLatin1(name));
}

// A member of a group of controls, "Label9(3)" say.
template <typename Control = QWidget>
Control *control(const QWidget &window, const char *group, int index)
{
    return control<Control>(window, QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index));
}

// The text of the results box, its line ends as CR LF as a run writes them.
inline QString resultsText(const QWidget &window)
{
    return control<QPlainTextEdit>(window, "Text1")
        ->toPlainText()
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace blinket
