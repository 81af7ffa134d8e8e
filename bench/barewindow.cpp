// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// The yardstick for bench/startup.sh: a bare Qt Widgets program showing a window of the same
// size and title as Blinket's, with one label in it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Morse"));
    window.setFixedSize(763, 488);
    QLabel label(QStringLiteral("Morse"), &window);
    label.setGeometry(0, 0, 763, 488);
    window.show();
    return QApplication::exec();
}
