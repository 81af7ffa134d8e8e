// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/keying/keyinggradewindow.h"

#include "practice/accuracy.h"
#include "practice/copyscore.h"
#include "runs/keyinggrade.h"
#include "runs/keyreading.h"
#include "ui/copycheck/copymarksview.h"
#include "ui/fonts.h"
#include "ui/keying/keyingpicture.h"
#include "ui/scrolled.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace blinket {

namespace {

// The International proportions, in dots: a dash, and the gaps inside a letter, between
// letters and between words.
constexpr int idealDash = 3;
constexpr int idealElementGap = 1;
constexpr int idealLetterGap = 3;
constexpr int idealWordGap = 7;

const QString notMeasured = QStringLiteral("—");

QLabel *caption(const QString &text, QWidget *parent, const QString &name = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A figure to a tenth; none where nothing measured it.
QString figure(double value)
{
    return value > 0 ? QLocale().toString(value, 'f', 1) : notMeasured;
}

QString spread(double value)
{
    return value > 0 ? percentText(int(std::lround(value * 100))) : notMeasured;
}

} // namespace

KeyingGradeWindow::KeyingGradeWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("KeyingGrade"));
    setWindowTitle(tr("Keying grade"));
    resize(720, 600);

    m_merit = caption(QString(), this, QStringLiteral("merit"));
    const QFont big = headlineFont(m_merit->font(), 1.5);
    m_merit->setFont(big);
    // Beside the merit, which judges the form alone: what the keying spelled.
    m_asAsked = caption(QString(), this, QStringLiteral("asAsked"));
    m_asAsked->setFont(big);
    m_speed = caption(QString(), this, QStringLiteral("speed"));
    m_dash = caption(QString(), this, QStringLiteral("dash"));
    m_gaps = caption(QString(), this, QStringLiteral("gaps"));
    m_spread = caption(QString(), this, QStringLiteral("spread"));

    m_marks = new CopyMarksView(this);
    m_marks->setObjectName(QStringLiteral("marks"));
    // A keying asks for a line or two: the picture below wants the room more.
    m_marks->setMaximumHeight(std::min(m_marks->sizeHint().height(), 110));
    auto *legend = new QLabel(
        CopyMarksView::legendHtml(tr("Under each character asked, what was read: %1 right, "
                                     "%2 wrong, %3 not keyed, %4 extra (a %5 above it).")),
        this);
    legend->setWordWrap(true);

    m_picture = new KeyingPicture;
    m_picture->setObjectName(QStringLiteral("picture"));
    m_pictureScroll = scrolled(m_picture, this, QStringLiteral("pictureScroll"));
    m_pictureScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // It starts at the first press, on the left, in either language.
    m_pictureScroll->setLayoutDirection(Qt::LeftToRight);

    auto *keyAnother = new QPushButton(tr("&Key another"), this);
    keyAnother->setObjectName(QStringLiteral("keyAnother"));
    // Neither button answers Enter or Space: a learner finishing a keying with either, as the
    // grade opens by itself, must not lose it.
    keyAnother->setAutoDefault(false);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);

    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(m_merit);
    contentLayout->addWidget(m_asAsked);
    contentLayout->addWidget(m_speed);
    contentLayout->addWidget(m_dash);
    contentLayout->addWidget(m_gaps);
    contentLayout->addWidget(m_spread);
    contentLayout->addWidget(
        caption(tr("In dots of your own; the International proportions in brackets."), this));
    contentLayout->addWidget(caption(tr("Asked, and what was read"), this));
    contentLayout->addWidget(m_marks);
    contentLayout->addWidget(legend);
    contentLayout->addWidget(caption(tr("Your keying over the ideal one at your own dot"), this));
    contentLayout->addWidget(m_pictureScroll);
    contentLayout->addWidget(caption(tr("A triangle above an element marks it wrong or badly "
                                        "formed; a hatched band marks such a space."),
                                     this));
    contentLayout->addStretch();
    // All but the buttons scroll where the screen is too small for them.
    QScrollArea *scroll = scrolled(content, this, QStringLiteral("keyingGradeScroll"));
    m_scroll = scroll;
    m_kept = caption(QString(), this, QStringLiteral("kept"));
    m_kept->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(keyAnother);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(m_kept);
    layout->addLayout(buttons);

    connect(keyAnother, &QPushButton::clicked, this, &KeyingGradeWindow::keyAnother);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    fitPictureHeight();
}

void KeyingGradeWindow::showGrade(const KeyingGrade &grade, const QString &kept)
{
    // Nothing read as a character is nothing to keep.
    m_kept->setText(kept.isEmpty() ? tr("Not kept in your practice history: nothing keyed read as "
                                        "a character.")
                                   : kept);
    const KeyingFigures &figures = grade.figures;
    const int merit = figures.merit;
    const QString word = merit >= 90   ? tr("clean")
                         : merit >= 75 ? tr("good")
                         : merit >= 60 ? tr("readable with care")
                                       : tr("hard to read");
    m_merit->setText(tr("Merit %1 of 100: %2").arg(merit).arg(word));
    m_speed->setText(tr("Speed: %1 words a minute").arg(figure(figures.wordsPerMinute)));
    m_dash->setText(tr("Dash %1 dots (%2)").arg(figure(figures.dashRatio)).arg(idealDash));
    m_gaps->setText(tr("Gaps inside a letter %1 (%2), between letters %3 (%4), between words "
                       "%5 (%6)")
                        .arg(figure(figures.elementGapRatio))
                        .arg(idealElementGap)
                        .arg(figure(figures.letterGapRatio))
                        .arg(idealLetterGap)
                        .arg(figure(figures.wordGapRatio))
                        .arg(idealWordGap));
    m_spread->setText(tr("Dots vary %1, dashes vary %2")
                          .arg(spread(figures.dotSpread), spread(figures.dashSpread)));

    // An unknown sign reads as '*': a character read wrong, not one left out. A space parts
    // the words asked, and is no character of them.
    const CopyScore score = scoreCopy(grade.asked, grade.read, keyedCharacters(grade.asked));
    m_asAsked->setText(tr("%L1 of %L2 characters as asked").arg(score.right).arg(score.sent));
    m_marks->showPlaces(score.aligned, true);
    m_picture->setBars(grade.bars);
    fitPictureHeight();
    m_pictureScroll->horizontalScrollBar()->setValue(0);
    m_scroll->verticalScrollBar()->setValue(0);
    m_scroll->setFocus();
}

void KeyingGradeWindow::fitPictureHeight()
{
    m_pictureScroll->setFixedHeight(m_picture->sizeHint().height() +
                                    m_pictureScroll->horizontalScrollBar()->sizeHint().height());
}

void KeyingGradeWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KeyingGradeWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitPictureHeight();
}

} // namespace blinket
