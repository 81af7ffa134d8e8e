// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/progressreport.h"

#include <QTableWidget>

#include <vector>

namespace blinket {

// One row per light the runs were read under, clear first: the light in a few words ("Dusk,
// haze 40, shimmer 30"), the timing when the runs were not all on one, the runs read and their
// accuracy in whole percent.
class LightTable : public QTableWidget
{
    Q_OBJECT
public:
    explicit LightTable(QWidget *parent = nullptr);

    void showLights(const std::vector<LightAccuracy> &lights);

    // The light as the table names it: "Clear", or what is not at its default.
    QString lightName(const LightConditions &light) const;

private:
    void setCell(int row, int column, const QString &text);
};

} // namespace blinket
