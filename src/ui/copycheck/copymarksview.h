// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "ui/copycheck/markslayout.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QRectF>

namespace blinket {

// The characters sent, in their groups, with the learner's copy lined up under them. Every
// mark shows in its shape as well as in its colour: a right character stands plain, a wrong
// one is bold and underlined, a missed one is a short dash under its own column (dashes side
// by side stay apart, to be counted), and an extra one has a plus above it. The letters grow
// with the view, never smaller than the results box's; only the lines in sight are drawn.
// Hebrew letters sent read from right to left, their lines starting at the right.
class CopyMarksView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit CopyMarksView(QWidget *parent = nullptr);

    // Shows the places of a checked copy; without marks, the characters sent alone (while
    // nothing has been typed). The view stays where it was scrolled to, for a learner
    // correcting a long copy.
    void showPlaces(std::vector<AlignedLetter> places, bool marks);
    void clear() { showPlaces({}, false); }

    const MarksLayout &marksLayout() const { return m_layout; }
    bool marksShown() const { return m_marks; }
    // The font of the characters, as sized for the view's present size.
    const QFont &marksFont() const { return m_font; }
    // Where the dash of a missed character in a column of a line is drawn, the view scrolled
    // to its top.
    QRectF missedDash(int line, int column) const;

    // How the mark under a character sent is drawn apart from its colour: the shapes alone
    // tell the marks apart.
    struct Shape
    {
        bool dash = false;
        bool bold = false;
        bool underline = false;
        bool italic = false;
        bool plusAbove = false;

        friend bool operator==(const Shape &, const Shape &) = default;
    };
    static Shape markShape(Mark mark);

    // What the marks mean, in the same shapes and colours, as rich text.
    static QString legendHtml();
    // The same in other words (another window's): sentence holds the right, wrong, missed and
    // extra marks as %1 to %4, and the plus as %5.
    static QString legendHtml(const QString &sentence);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    QSize viewportSizeHint() const override;

private:
    // Sizes the font to the viewport and lays the lines out again.
    void fitToView();
    QRectF cell(int line, int column, int row) const;

    MarksLayout m_layout;
    bool m_marks = false;
    bool m_rightToLeft = false;
    QFont m_font;
    double m_columnWidth = 1;
    double m_rowHeight = 1;
    double m_lineHeight = 1;
    double m_margin = 1;
};

} // namespace blinket
