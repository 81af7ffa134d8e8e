// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/notices.h"

#include <QMessageBox>

namespace blinket {

void MessageBoxNotices::tell(const QString &text)
{
    QMessageBox box(QMessageBox::Information, m_window ? m_window->windowTitle() : QString(), text,
                    QMessageBox::Ok, m_window);
    box.setObjectName(QStringLiteral("notice"));
    box.exec();
}

} // namespace blinket
