// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/lighttable.h"

#include "ui/progress/fewrowstable.h"

#include <QHeaderView>

#include <algorithm>

namespace blinket {

namespace {

enum Column { LightName, TimingName, Runs, Accuracy, ColumnCount };

} // namespace

LightTable::LightTable(QWidget *parent) : QTableWidget(0, ColumnCount, parent)
{
    setHorizontalHeaderLabels({tr("Light"), tr("Timing"), tr("Runs"), tr("Accuracy")});
    showAsFewRows(*this);
}

void LightTable::showLights(const std::vector<LightAccuracy> &lights)
{
    setRowCount(int(lights.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const LightAccuracy &shown = lights[std::size_t(row)];
        setCell(row, LightName, lightName(shown.light));
        setCell(row, TimingName,
                shown.timing == Timing::International ? tr("International") : tr("Own"));
        setCell(row, Runs, QString::number(shown.runs));
        setCell(row, Accuracy, percentText(shown.accuracy));
    }
    // The timing tells the rows apart only when the runs were not all on one.
    setColumnHidden(TimingName, std::ranges::all_of(lights, [&lights](const LightAccuracy &shown) {
                        return shown.timing == lights.front().timing;
                    }));
}

QString LightTable::lightName(const LightConditions &light) const
{
    QStringList parts;
    switch (light.sky) {
    case Sky::Own:
        break;
    case Sky::Day:
        parts << tr("Day");
        break;
    case Sky::Dusk:
        parts << tr("Dusk");
        break;
    case Sky::Night:
        parts << tr("Night");
        break;
    }
    if (light.distance)
        parts << tr("distant");
    if (light.haze != 0)
        parts << tr("haze %1").arg(light.haze);
    if (light.shimmer != 0)
        parts << tr("shimmer %1").arg(light.shimmer);
    if (light.shutterMs != 0)
        parts << tr("shutter %1 ms").arg(light.shutterMs);
    if (light.handPercent != 0)
        parts << tr("hand %1").arg(percentText(light.handPercent));
    if (parts.isEmpty())
        return tr("Clear");
    QString name = parts.join(QStringLiteral(", "));
    name[0] = name[0].toUpper();
    return name;
}

void LightTable::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem();
        // Figures line up on the right, names on the left.
        const Qt::Alignment across =
            column == Runs || column == Accuracy ? Qt::AlignRight : Qt::AlignLeft;
        cell->setTextAlignment(across | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

} // namespace blinket
