// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "runs/keyinggrade.h"

#include <QRectF>
#include <QWidget>

#include <vector>

namespace blinket {

// A graded keying on a time line, left to right whatever the language: the learner's marks as
// keyed in the upper lane, the same marks as the International code would have them at the
// learner's own dot in the lower one, each a bar in the palette's text colour (keyed) or its
// highlight (ideal), the spaces between them left empty; seconds along the bottom. A flagged
// element shows in its shape as well as in the warning colour: a triangle above it, and a
// flagged space a hatched band in the upper lane. The picture is as wide as the keying, at a
// fixed scale, for a scroll area to move along.
class KeyingPicture : public QWidget
{
    Q_OBJECT
public:
    explicit KeyingPicture(QWidget *parent = nullptr);

    void setBars(std::vector<KeyedBar> bars);

    // How many pixels a second of keying takes: a dot of the learner never thinner than a few.
    double pixelsPerSecond() const { return m_pixelsPerSecond; }
    // Where a moment of the keying (seconds after the first press) lies across the picture.
    double xAt(double seconds) const;
    QRectF keyedLane() const;
    QRectF idealLane() const;
    // The triangle over a flagged element.
    QRectF flagMarker(const KeyedBar &bar) const;
    // Red, a lighter one on a dark background.
    static QColor warningColour(const QPalette &palette);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double laneHeight() const;
    double captionWidth() const;
    void paintTimeScale(QPainter &painter) const;

    std::vector<KeyedBar> m_bars;
    double m_pixelsPerSecond = 0;
    double m_end = 0; // seconds
};

} // namespace blinket
