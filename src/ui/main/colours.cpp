// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/colours.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace blinket {

namespace {

constexpr char backProperty[] = "blinketBackColour";
constexpr char foreProperty[] = "blinketForeColour";

// The nearest palette role for each system colour the window uses; the others fall back to
// the window background.
QPalette::ColorRole roleOf(int n)
{
    switch (n) {
    case 0:  // scroll bar
    case 15: // button face
    case 4:  // menu
        return QPalette::Button;
    case 1:  // desktop
    case 2:  // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 9:  // active caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 10: // active border
    case 11: // inactive border
    case 16: // button shadow
        return QPalette::Mid;
    case 8: // window text
    case 7: // menu text
        return QPalette::Text;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // dark shadow
        return QPalette::Shadow;
    case 23: // tool-tip text
        return QPalette::ToolTipText;
    case 24: // tool-tip background
        return QPalette::ToolTipBase;
    default: // 5 window background and the rest
        return QPalette::Base;
    }
}

void resolveInto(QWidget *widget)
{
    QPalette palette = widget->palette();
    const QPalette desktop = QApplication::palette();
    const QVariant back = widget->property(backProperty);
    if (back.isValid()) {
        const QColor colour = resolveColour(back.toInt(), desktop);
        palette.setColor(QPalette::Window, colour);
    }
    const QVariant fore = widget->property(foreProperty);
    if (fore.isValid()) {
        const QColor colour = resolveColour(fore.toInt(), desktop);
        palette.setColor(QPalette::WindowText, colour);
    }
    widget->setPalette(palette);
    widget->update();
}

} // namespace

QColor resolveColour(ColourValue value, const QPalette &palette)
{
    const auto bits = static_cast<quint32>(value);
    const auto firstSystem = static_cast<quint32>(systemColour(0));
    if (bits & firstSystem)
        return palette.color(QPalette::Active, roleOf(static_cast<int>(bits - firstSystem)));
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

void setBackColour(QWidget *widget, ColourValue value)
{
    widget->setProperty(backProperty, value);
    resolveInto(widget);
}

ColourValue backColour(const QWidget *widget)
{
    return widget->property(backProperty).toInt();
}

void setForeColour(QWidget *widget, ColourValue value)
{
    widget->setProperty(foreProperty, value);
    resolveInto(widget);
}

void refreshColours(QWidget *root)
{
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (QWidget *widget : children) {
        if (widget->property(backProperty).isValid() || widget->property(foreProperty).isValid())
            resolveInto(widget);
    }
    if (root->property(backProperty).isValid() || root->property(foreProperty).isValid())
        resolveInto(root);
}

} // namespace blinket
