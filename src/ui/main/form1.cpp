// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/form1.h"

#include "platform/numeric.h"
#include "ui/accesskeys.h"
#include "ui/fonts.h"
#include "ui/lampkeywatcher.h"
#include "ui/light/lamplight.h"
#include "ui/light/lightpainter.h"
#include "ui/main/colours.h"
#include "ui/practicewindows.h"
#include "ui/runcontroller.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

namespace blinket {

namespace {

// The Progress window's button starts a run once its click is over, before the run holds the
// thread.
void triggerLater(QAction *action)
{
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
}

} // namespace

Form1::Form1(Platform &platform, PracticeSession &session, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_guard(m_messageBoxes, &platform),
      m_elements(*this, platform, m_state.Unit),
      m_runs(new RunController(*this, *this, m_elements, platform, m_state, m_guard, session)),
      m_practiceWindows(
          new PracticeWindows(*this, session, m_guard, [this] { return keptInSight(); },
                              {[this](int lesson) {
                                   if (const auto action = m_lessonActions.find(lesson);
                                       action != m_lessonActions.end())
                                       triggerLater(action->second);
                               },
                               [this] { triggerLater(m_weakLettersAction); }}))
{
    installFontSubstitutions();
    // Every window's access keys, on any keyboard layout.
    QCoreApplication::instance()->installEventFilter(new AccessKeys(this));
    buildControls();
    setTabOrder();
    m_lampKey = new LampKeyWatcher(*this, *pic1, *this, platform);
    m_runs->setLampKey(*m_lampKey);
    // A run's light lasts as long as the run: between runs the window is the plain one, where
    // the lamp's size and colour are chosen.
    connect(m_runs, &RunController::runOver, this, [this] { setLight(LightConditions{}); });
    connectRuns();
    connectSettings();
    connectExitAndLinks();
    connectPractice();
    Command2->setFocus();
    m_guard.run([this] { Form_Load(); });
}

void Form1::Form_Load()
{
    Combo1->addItem(QString::number(4));
    Combo1->addItem(QString::number(6));
    Combo1->addItem(QString::number(8));
    Combo1->setEditText(QStringLiteral("4"));
    // Seeded from the time of day, so that every start sends other letters.
    m_platform.Randomize(m_platform.Timer());
    setBackColour(Frame1, backColour(this));
    setBackColour(Frame2, backColour(this));
    Text1->setPlainText(QStringLiteral("בתום השידור יפיעו כאן האותיות ששודרו"));
    m_state.AnchorTop = toInt16(pic1->Top());
    m_state.AnchorLeft = toInt16(pic1->Left());
}

Form1::~Form1() = default;

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        refreshColours(this);
    return QWidget::event(event);
}

void Form1::setLit(bool lit)
{
    pic1->setLit(lit);
}

void Form1::setLight(const LightConditions &light)
{
    const bool skyChanged = light.sky != pic1->light().sky;
    pic1->setLight(light, freshLightSeed());
    if (skyChanged)
        update();
}

void Form1::paintEvent(QPaintEvent *)
{
    const Sky sky = pic1->light().sky;
    if (sky == Sky::Own)
        return;
    const QRectF span = rect();
    // The texts that may lie over the sky keep the learner's colour behind them, so that
    // they read on a night sky too.
    QRegion region(rect());
    for (const QLabel *label : findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (!label->isHidden() && !label->text().isEmpty())
            region -= label->geometry();
    }
    QPainter painter(this);
    painter.setClipRegion(region);
    painter.fillRect(span, skyBrush(sky, palette().color(QPalette::Window), span));
}

} // namespace blinket
