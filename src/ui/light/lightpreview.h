// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/lightconditions.h"

#include <QColor>
#include <QWidget>

#include <memory>

namespace blinket {

// A small picture of the lamp under a light, which sends a word over and over while it is
// shown (and stops when hidden), on a timer of its own: it never holds the event loop.
class LightPreview : public QWidget
{
    Q_OBJECT
public:
    explicit LightPreview(QWidget *parent = nullptr);
    ~LightPreview() override;

    // The light to show; the word starts again under it.
    void setLight(const LightConditions &light);
    // The lamp's colour and the window's, as the main window has them.
    void setColours(const QColor &lamp, const QColor &window);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Playing;
    std::unique_ptr<Playing> m_playing;
};

} // namespace blinket
