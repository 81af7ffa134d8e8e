// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QScrollArea>

// Header only: the Progress module, which links nothing of ours, uses it too.

namespace blinket {

// A frameless scroll area over content, which takes the area's whole size where it can: a
// window made of one shrinks to any screen, what does not fit scrolling.
inline QScrollArea *scrolled(QWidget *content, QWidget *parent, const QString &name = {})
{
    auto *area = new QScrollArea(parent);
    area->setObjectName(name);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

} // namespace blinket
