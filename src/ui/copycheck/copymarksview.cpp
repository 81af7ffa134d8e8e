// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/copycheck/copymarksview.h"

#include "signal/characters.h"
#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace blinket {

namespace {

// Six groups of five on a line, and three lines, at the least size the letters grow from.
constexpr int columnsWanted = 6 * 5 + 5 * MarksLayout::groupGap;
constexpr int linesWanted = 3;
constexpr int largestPixels = 40;
// Room beside each character, so that missed marks side by side stay apart.
constexpr double columnSpacing = 1.25;

// Colours that stay apart for the common kinds of colour blindness (blue against orange),
// with the shapes carrying the meaning on their own.
const QColor rightColour(0x1b, 0x5e, 0x20);
const QColor wrongColour(0xc6, 0x28, 0x28);
const QColor missedColour(0xe6, 0x51, 0x00);
const QColor extraColour(0x0d, 0x47, 0xa1);

QColor markColour(Mark mark)
{
    switch (mark) {
    case Mark::Right:
        return rightColour;
    case Mark::Wrong:
        return wrongColour;
    case Mark::Missed:
        return missedColour;
    case Mark::Extra:
        break;
    }
    return extraColour;
}

// The smallest the characters become: larger than the results box's letters.
int smallestPixels()
{
    return int(std::lround(dialogFont().pixelSize() * 1.25));
}

QFont marksFontOfSize(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixels);
    return font;
}

QFont styled(QFont font, bool bold, bool underline = false, bool italic = false)
{
    font.setBold(bold);
    font.setUnderline(underline);
    font.setItalic(italic);
    return font;
}

QString span(const QColor &colour, const QString &style, const QString &text)
{
    return QStringLiteral("<span style=\"color:%1;%2\">%3</span>")
        .arg(colour.name(), style, text.toHtmlEscaped());
}

} // namespace

CopyMarksView::CopyMarksView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    fitToView();
}

void CopyMarksView::showPlaces(std::vector<AlignedLetter> places, bool marks)
{
    m_marks = marks;
    // Hebrew reads from the right: its lines start there.
    m_rightToLeft = std::ranges::any_of(
        places, [](const AlignedLetter &place) { return isHebrewLetter(place.sent); });
    m_layout.setPlaces(std::move(places));
    fitToView();
    viewport()->update();
}

CopyMarksView::Shape CopyMarksView::markShape(Mark mark)
{
    switch (mark) {
    case Mark::Right:
        return {};
    case Mark::Wrong:
        return {.bold = true, .underline = true};
    case Mark::Missed:
        return {.dash = true};
    case Mark::Extra:
        break;
    }
    return {.italic = true, .plusAbove = true};
}

QString CopyMarksView::legendHtml()
{
    return legendHtml(tr("Under each character sent, what you typed: %1 right, %2 wrong, "
                         "%3 missed, %4 extra (a %5 above it)."));
}

QString CopyMarksView::legendHtml(const QString &sentence)
{
    return sentence.toHtmlEscaped().arg(
        span(rightColour, {}, QStringLiteral("A")),
        span(wrongColour, QStringLiteral("font-weight:bold;text-decoration:underline"),
             QStringLiteral("B")),
        span(missedColour, QStringLiteral("font-weight:bold"), QStringLiteral("–")),
        span(extraColour, QStringLiteral("font-style:italic"), QStringLiteral("C")),
        span(extraColour, QStringLiteral("font-weight:bold"), QStringLiteral("+")));
}

void CopyMarksView::fitToView()
{
    // The width the lines take whether or not the scroll bar shows, so that its coming and
    // going never lays them out again.
    const double width =
        std::max(1, contentsRect().width() - verticalScrollBar()->sizeHint().width());
    const double height = std::max(1, viewport()->height());
    m_margin = std::max(4.0, double(smallestPixels()) / 2);

    // The metrics of a large size, scaled: letters as large as the width and height allow.
    const int measured = 100;
    const QFontMetricsF big(styled(marksFontOfSize(measured), true));
    const double columnPerPixel = big.horizontalAdvance(QChar(u'W')) * columnSpacing / measured;
    const double linePerPixel = (2 * big.height() + 0.6 * measured) / measured;
    // One column to spare, for the rounding of the metrics at the size chosen.
    const double byWidth = (width - 2 * m_margin) / ((columnsWanted + 1) * columnPerPixel);
    const double byHeight = (height - 2 * m_margin) / (linesWanted * linePerPixel);
    const int pixels =
        std::clamp(int(std::min(byWidth, byHeight)), smallestPixels(), largestPixels);

    m_font = marksFontOfSize(pixels);
    const QFontMetricsF metrics(styled(m_font, true));
    m_columnWidth = metrics.horizontalAdvance(QChar(u'W')) * columnSpacing;
    m_rowHeight = std::ceil(metrics.height());
    m_lineHeight = 2 * m_rowHeight + std::ceil(0.6 * pixels);
    m_layout.setColumns(int((width - 2 * m_margin) / m_columnWidth));

    const int content = int(std::ceil(m_layout.lineCount() * m_lineHeight + 2 * m_margin));
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, content - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(int(m_lineHeight));
}

QRectF CopyMarksView::cell(int line, int column, int row) const
{
    const double fromStart = m_margin + column * m_columnWidth;
    const double left = m_rightToLeft ? viewport()->width() - fromStart - m_columnWidth : fromStart;
    return {left, m_margin + line * m_lineHeight + row * m_rowHeight, m_columnWidth, m_rowHeight};
}

QRectF CopyMarksView::missedDash(int line, int column) const
{
    const QRectF under = cell(line, column, 1);
    const QFontMetricsF metrics(m_font);
    const double thickness = std::max(2.0, std::round(m_font.pixelSize() / 6.0));
    const double width = std::round(m_columnWidth * 0.5);
    const double middle = under.top() + metrics.ascent() - metrics.xHeight() / 2;
    return {std::round(under.center().x() - width / 2), std::round(middle - thickness / 2), width,
            thickness};
}

void CopyMarksView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const double top = verticalScrollBar()->value();
    painter.translate(0, -top);
    const QRectF shown = QRectF(event->rect()).translated(0, top);
    const int first = std::max(0, int((shown.top() - m_margin) / m_lineHeight));
    const int last =
        std::min(m_layout.lineCount() - 1, int((shown.bottom() - m_margin) / m_lineHeight));

    const QColor text = palette().color(QPalette::Text);
    const auto draw = [&painter](const QRectF &where, const QFont &font, const QColor &colour,
                                 QChar c) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(where, Qt::AlignHCenter | Qt::AlignTop, QString(c));
    };
    for (int line = first; line <= last; ++line) {
        for (const MarksLayout::Cell &at : m_layout.line(line)) {
            const AlignedLetter &place = m_layout.places()[std::size_t(at.place)];
            const Shape shape = markShape(place.mark);
            const QColor colour = markColour(place.mark);
            const QRectF sent = cell(line, at.column, 0);
            if (shape.plusAbove)
                draw(sent, styled(m_font, true), colour, QChar(u'+'));
            else
                draw(sent, m_font, text, place.sent);
            if (!m_marks)
                continue;
            if (shape.dash)
                painter.fillRect(missedDash(line, at.column), colour);
            else
                draw(cell(line, at.column, 1),
                     styled(m_font, shape.bold, shape.underline, shape.italic), colour,
                     place.typed);
        }
    }
}

void CopyMarksView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    fitToView();
}

void CopyMarksView::scrollContentsBy(int, int)
{
    viewport()->update();
}

QSize CopyMarksView::viewportSizeHint() const
{
    // The lines wanted at the smallest size, whatever size the view has grown to.
    const int pixels = smallestPixels();
    const QFontMetricsF metrics(styled(marksFontOfSize(pixels), true));
    const double columnWidth = metrics.horizontalAdvance(QChar(u'W')) * columnSpacing;
    const double lineHeight = 2 * std::ceil(metrics.height()) + std::ceil(0.6 * pixels);
    return {int(std::ceil((columnsWanted + 1) * columnWidth + 2 * m_margin)),
            int(std::ceil(linesWanted * lineHeight + 2 * m_margin))};
}

} // namespace blinket
