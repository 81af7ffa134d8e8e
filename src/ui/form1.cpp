#include "ui/form1.h"

#include "ui/colours.h"
#include "ui/fonts.h"

#include <QEvent>

namespace blinket {

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform),
      m_messageBoxes(std::make_unique<MessageBoxReporter>(this)), m_guard(*m_messageBoxes),
      m_elements(*this, platform, Unit)
{
    installFontSubstitutions();
    buildControls();
    setTabOrder();
    Command2->setFocus();
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
    pic1->setVisible(lit);
}

} // namespace blinket
