// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "signal/lightconditions.h"
#include "ui/light/lamplight.h"
#include "ui/main/circleshape.h"

#include <QTimer>

#include <cstdint>
#include <functional>

namespace blinket {

// The main window's lamp. In a clear light it is the plain circle, shown when lit and hidden
// when dark. Under a light it stays shown and paints what is seen at each moment: the sky or
// the window's colour behind it, the shutter's ramps and the shimmer, repainted every few
// milliseconds while that picture changes and not at all while it does not.
class LampShape : public CircleShape
{
    Q_OBJECT
public:
    // clock: seconds on the steady clock, as the runs' platform keeps them.
    LampShape(std::function<double()> clock, QWidget *parent = nullptr);

    // The light from now on; the lamp stays as lit or dark as it is.
    void setLight(const LightConditions &light, std::uint64_t seed);
    const LightConditions &light() const { return m_lamp.light(); }
    void setLit(bool lit);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The area the sky spans: the whole window behind the lamp.
    QRectF skySpan() const;
    // Repaints now, and keeps repainting while the picture changes.
    void refresh();

    std::function<double()> m_clock;
    LampLight m_lamp;
    QTimer m_repaint;
};

} // namespace blinket
