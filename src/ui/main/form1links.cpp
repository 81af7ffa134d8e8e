// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/form1.h"
#include "ui/main/publisher.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace blinket {

void Form1::connectExitAndLinks()
{
    const auto guarded = [this](void (Form1::*handler)()) {
        return [this, handler] { m_guard.run([this, handler] { (this->*handler)(); }); };
    };
    connect(Command2, &QPushButton::clicked, this, guarded(&Form1::Command2_Click));
    connect(Label6, &ClickLabel::clicked, this, guarded(&Form1::Label6_Click));
    connect(Label7, &ClickLabel::clicked, this, guarded(&Form1::Label7_Click));
    connect(Label8, &ClickLabel::clicked, this, guarded(&Form1::Label8_Click));
    // The pictures at the links' corners are decoration: a click on them is a click on the
    // link beneath, so that a link answers anywhere in its box.
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image3->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Form1::endProgram()
{
    // Requested before hiding, so that no handler the hiding sets off can start. A run in
    // progress unwinds at its next element; exit() makes every nested event loop return at
    // once, and main() hands on the status 0. Nothing is saved.
    m_platform.requestEnd();
    hide();
    QCoreApplication::exit(0);
}

void Form1::Command2_Click()
{
    endProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // From the title bar, at any moment, also in the middle of a run: the same as Exit.
    event->accept();
    m_guard.run([this] { endProgram(); });
}

void Form1::Label6_Click()
{
    m_opener->open(homePageAddress());
}

void Form1::Label7_Click()
{
    m_opener->open(homePageAddress());
}

void Form1::Label8_Click()
{
    m_opener->open(downloadPageAddress());
}

} // namespace blinket
