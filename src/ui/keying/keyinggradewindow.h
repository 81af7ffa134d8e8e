// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QWidget>

class QLabel;
class QScrollArea;

namespace blinket {

class CopyMarksView;
class KeyingPicture;
struct KeyingGrade;

// The grade of a keying: the merit and what it says, what was asked with what was read lined
// up under it (marked as the Copy check marks a copy), the speed keyed, the dash and the gaps
// in the learner's own dots beside their International proportions, how much the dots and
// dashes vary, and the picture of the keying over the ideal one. A figure with nothing to
// measure it reads "—". Esc or Close closes it; Key another asks for the next keying.
class KeyingGradeWindow : public QWidget
{
    Q_OBJECT
public:
    explicit KeyingGradeWindow(QWidget *parent = nullptr);

    // Shows a grade in place of the one shown, and how it was kept in the practice history.
    void showGrade(const KeyingGrade &grade, const QString &kept = QString());

signals:
    void keyAnother();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The picture's scroll area as high as the picture with its scroll bar: it scrolls sideways
    // only.
    void fitPictureHeight();

    QLabel *m_merit = nullptr;
    QLabel *m_speed = nullptr;
    QLabel *m_dash = nullptr;
    QLabel *m_gaps = nullptr;
    QLabel *m_spread = nullptr;
    QLabel *m_kept = nullptr;
    CopyMarksView *m_marks = nullptr;
    KeyingPicture *m_picture = nullptr;
    QScrollArea *m_pictureScroll = nullptr;
};

} // namespace blinket
