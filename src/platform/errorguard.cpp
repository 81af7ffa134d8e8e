#include "platform/errorguard.h"

#include <QMessageBox>

#include <new>

namespace blinket {

void MessageBoxReporter::report(const RuntimeError &error)
{
    QMessageBox::critical(m_window, QStringLiteral("Morse"), error.report());
}

void ErrorGuard::run(const std::function<void()> &handler, const std::function<void()> &recover)
{
    try {
        handler();
        return;
    } catch (const RuntimeError &error) {
        if (recover)
            recover();
        m_reporter->report(error);
    } catch (const std::bad_alloc &) {
        if (recover)
            recover();
        m_reporter->report(RuntimeError(7, QStringLiteral("Out of memory")));
    }
}

} // namespace blinket
