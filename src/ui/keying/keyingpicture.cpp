// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/keying/keyingpicture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace blinket {

namespace {

// A dot at 20 words a minute takes 12 pixels; a faster hand's is widened to this many.
constexpr double usualPixelsPerSecond = 200;
constexpr double leastDotPixels = 6;
// A hand faster than any learner's, or a stray bounce of the key, must not make the picture
// endless.
constexpr double mostPixelsPerSecond = 1000;
constexpr double margin = 6;

bool isMark(ElementKind kind)
{
    return kind == ElementKind::Dot || kind == ElementKind::Dash;
}

double pixelsPerSecondFor(const std::vector<KeyedBar> &bars)
{
    // Every ideal element is a whole number of the learner's dots: the shortest is one, or
    // as near to it as the keying has.
    double dot = 0;
    for (const KeyedBar &bar : bars) {
        if (bar.idealLength > 0 && (dot == 0 || bar.idealLength < dot))
            dot = bar.idealLength;
    }
    if (dot <= 0)
        return usualPixelsPerSecond;
    return std::clamp(leastDotPixels / dot, usualPixelsPerSecond, mostPixelsPerSecond);
}

// Seconds between two marks of the scale, their labels kept apart.
double scaleStep(double pixelsPerSecond, double labelWidth)
{
    for (const double step : {0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0}) {
        if (step * pixelsPerSecond >= 2 * labelWidth)
            return step;
    }
    return 120;
}

} // namespace

KeyingPicture::KeyingPicture(QWidget *parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // A time line runs left to right in a right-to-left language too, as its figures do.
    setLayoutDirection(Qt::LeftToRight);
    m_pixelsPerSecond = usualPixelsPerSecond;
}

void KeyingPicture::setBars(std::vector<KeyedBar> bars)
{
    m_bars = std::move(bars);
    m_pixelsPerSecond = pixelsPerSecondFor(m_bars);
    m_end = 0;
    for (const KeyedBar &bar : m_bars)
        m_end = std::max({m_end, bar.start + bar.length, bar.idealStart + bar.idealLength});
    updateGeometry();
    update();
}

QColor KeyingPicture::warningColour(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightnessF() < 0.5 ? QColor(0xff, 0x8a, 0x80)
                                                            : QColor(0xc6, 0x28, 0x28);
}

double KeyingPicture::laneHeight() const
{
    return std::ceil(QFontMetricsF(font()).height() * 1.5);
}

double KeyingPicture::captionWidth() const
{
    const QFontMetricsF metrics(font());
    return std::ceil(
        std::max(metrics.horizontalAdvance(tr("Keyed")), metrics.horizontalAdvance(tr("Ideal"))));
}

double KeyingPicture::xAt(double seconds) const
{
    return 2 * margin + captionWidth() + seconds * m_pixelsPerSecond;
}

QRectF KeyingPicture::keyedLane() const
{
    const double markerRoom = std::ceil(laneHeight() / 2);
    return {xAt(0), margin + markerRoom, m_end * m_pixelsPerSecond, laneHeight()};
}

QRectF KeyingPicture::idealLane() const
{
    return keyedLane().translated(0, laneHeight() * 1.25);
}

QRectF KeyingPicture::flagMarker(const KeyedBar &bar) const
{
    const double size = std::ceil(laneHeight() / 2) - 2;
    const double middle = xAt(bar.start + bar.length / 2);
    return {middle - size / 2, keyedLane().top() - 2 - size, size, size};
}

QSize KeyingPicture::sizeHint() const
{
    const QFontMetricsF metrics(font());
    // The last label of the scale stands half out past the end.
    const double width = xAt(m_end) + margin + metrics.horizontalAdvance(tr("%L1 s").arg(888));
    const double height = idealLane().bottom() + 4 + metrics.height() * 1.5 + margin;
    return {int(std::ceil(width)), int(std::ceil(height))};
}

void KeyingPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    const QColor warning = warningColour(colours);
    const QRectF keyed = keyedLane();
    const QRectF ideal = idealLane();

    painter.setPen(colours.color(QPalette::Text));
    for (const auto &[lane, caption] :
         std::array{std::pair(keyed, tr("Keyed")), std::pair(ideal, tr("Ideal"))}) {
        painter.drawText(QRectF(margin, lane.top(), captionWidth(), lane.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, caption);
        painter.fillRect(QRectF(lane.left(), lane.bottom() - 1, lane.width(), 1),
                         colours.color(QPalette::Mid));
    }

    // The bars stand a little inside their lanes, over the line the lane stands on.
    const auto bar = [](const QRectF &lane, double x, double width) {
        return QRectF(x, lane.top() + 2, std::max(1.0, width), lane.height() - 5);
    };
    for (const KeyedBar &element : m_bars) {
        const double keyedWidth = element.length * m_pixelsPerSecond;
        if (isMark(element.kind)) {
            painter.fillRect(bar(keyed, xAt(element.start), keyedWidth),
                             element.flagged ? warning : colours.color(QPalette::Text));
            painter.fillRect(
                bar(ideal, xAt(element.idealStart), element.idealLength * m_pixelsPerSecond),
                colours.color(QPalette::Highlight));
        } else if (element.flagged) {
            painter.fillRect(bar(keyed, xAt(element.start), keyedWidth),
                             QBrush(warning, Qt::BDiagPattern));
        }
        if (element.flagged) {
            const QRectF marker = flagMarker(element);
            QPainterPath triangle;
            triangle.moveTo(marker.topLeft());
            triangle.lineTo(marker.topRight());
            triangle.lineTo(marker.center().x(), marker.bottom());
            triangle.closeSubpath();
            painter.fillPath(triangle, warning);
        }
    }
    paintTimeScale(painter);
}

void KeyingPicture::paintTimeScale(QPainter &painter) const
{
    const QFontMetricsF metrics(font());
    const double top = idealLane().bottom() + 4;
    const QColor text = palette().color(QPalette::Text);
    painter.fillRect(QRectF(xAt(0), top, m_end * m_pixelsPerSecond, 1), text);
    const double step =
        scaleStep(m_pixelsPerSecond, metrics.horizontalAdvance(tr("%L1 s").arg(88.8)));
    const int decimals = step < 1 ? 1 : 0;
    painter.setPen(text);
    for (int i = 0; i * step <= m_end + 1e-9; ++i) {
        const double seconds = i * step;
        const double x = xAt(seconds);
        painter.fillRect(QRectF(x, top, 1, 4), text);
        const QString label = tr("%L1 s").arg(seconds, 0, 'f', decimals);
        const double width = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(x - width, top + 4, 2 * width, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

} // namespace blinket
