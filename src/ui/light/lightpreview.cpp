// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/light/lightpreview.h"

#include "signal/handrhythm.h"
#include "signal/lettercode.h"
#include "signal/lettertiming.h"
#include "signal/timeunit.h"
#include "ui/light/lamplight.h"
#include "ui/light/lightpainter.h"

#include <QPainter>
#include <QTimer>

#include <chrono>
#include <optional>
#include <vector>

namespace blinket {

namespace {

// The word, and its speed in words a minute: slow enough to see each ramp.
constexpr char16_t previewWord[] = u"PARIS";
constexpr double previewSpeed = 12.0;
constexpr int repaintMs = 8;

struct Step
{
    bool lit;
    qint32 ms;
};

// The word's flashes and darks as the runs send it on the program's own timing: a dot half a
// unit, a dash two and a half, the gap inside a letter half a unit, the gap that closes a
// letter two and a half (after an extra half for K, D and G), and the long pause after it.
std::vector<Step> wordSteps()
{
    const qint16 unit = unitOfSpeed(previewSpeed);
    std::vector<Step> steps;
    const auto add = [&steps, unit](bool lit, double units) {
        const qint32 ms = elementMs(unit, units);
        if (!steps.empty() && steps.back().lit == lit)
            steps.back().ms += ms;
        else
            steps.push_back({lit, ms});
    };
    for (const QChar letter : QStringView(previewWord)) {
        const std::optional<LetterCode> code = letterCode(QString(letter));
        for (std::size_t i = 0; i < code->elements.size(); ++i) {
            add(true, code->elements[i] == '.' ? 0.5 : 2.5);
            if (i + 1 < code->elements.size() || code->extraClosingGap)
                add(false, 0.5);
        }
        add(false, 2.5);
    }
    add(false, 4.0);
    return steps;
}

double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

struct LightPreview::Playing
{
    LampLight lamp;
    std::optional<HandRhythm> hand;
    const std::vector<Step> steps = wordSteps();
    std::size_t next = 0;
    QColor lampColour;
    QColor window;
    QTimer step;
    QTimer repaint;
};

LightPreview::LightPreview(QWidget *parent)
    : QWidget(parent), m_playing(std::make_unique<Playing>())
{
    m_playing->lampColour = palette().color(QPalette::Base);
    m_playing->window = palette().color(QPalette::Window);
    // Never squeezed to a strip by a narrow window: the lamp and the sky around it show.
    setMinimumSize(120, 80);
    m_playing->step.setTimerType(Qt::PreciseTimer);
    m_playing->step.setSingleShot(true);
    m_playing->repaint.setTimerType(Qt::PreciseTimer);
    m_playing->repaint.setInterval(repaintMs);
    connect(&m_playing->step, &QTimer::timeout, this, [this] {
        Playing &playing = *m_playing;
        const Step &step = playing.steps[playing.next];
        playing.next = (playing.next + 1) % playing.steps.size();
        playing.lamp.setLit(step.lit, steadySeconds());
        playing.step.start(playing.hand ? playing.hand->held(step.ms) : step.ms);
        update();
        if (!playing.repaint.isActive() && playing.lamp.changing(steadySeconds()))
            playing.repaint.start();
    });
    connect(&m_playing->repaint, &QTimer::timeout, this, [this] {
        update();
        if (!m_playing->lamp.changing(steadySeconds()))
            m_playing->repaint.stop();
    });
}

LightPreview::~LightPreview() = default;

void LightPreview::setLight(const LightConditions &light)
{
    Playing &playing = *m_playing;
    playing.lamp.setLit(false, steadySeconds());
    playing.lamp.setLight(light, freshLightSeed(), steadySeconds());
    playing.hand.reset();
    if (light.handPercent > 0)
        playing.hand.emplace(light.handPercent, freshLightSeed());
    playing.next = 0;
    if (isVisible())
        playing.step.start(0);
    update();
}

void LightPreview::setColours(const QColor &lamp, const QColor &window)
{
    m_playing->lampColour = lamp;
    m_playing->window = window;
    update();
}

QSize LightPreview::sizeHint() const
{
    return {160, 100};
}

void LightPreview::paintEvent(QPaintEvent *)
{
    const Playing &playing = *m_playing;
    const QRectF area = rect();
    // About the main window's lamp at its usual size, whatever the preview's.
    const double side = std::min(area.width(), area.height()) / 3.0;
    QRectF box(0, 0, side, side);
    box.moveCenter(area.center());
    QPainter painter(this);
    painter.fillRect(area, skyBrush(playing.lamp.light().sky, playing.window, area));
    paintLampScene(painter, {box, playing.lampColour, playing.window, area}, playing.lamp.light(),
                   playing.lamp.level(steadySeconds()));
}

void LightPreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setLight(m_playing->lamp.light());
}

void LightPreview::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_playing->step.stop();
    m_playing->repaint.stop();
    // Dark at once: shown again, the word starts from a closed shutter.
    m_playing->lamp.setLit(false, steadySeconds());
    m_playing->lamp.setLight(m_playing->lamp.light(), freshLightSeed(), steadySeconds());
}

} // namespace blinket
