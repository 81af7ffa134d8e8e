// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/colours.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace blinket {

namespace {

constexpr char backProperty[] = "blinketBackColour";
constexpr char foreProperty[] = "blinketForeColour";

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

ColourValue foreColour(const QWidget *widget)
{
    return widget->property(foreProperty).toInt();
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
