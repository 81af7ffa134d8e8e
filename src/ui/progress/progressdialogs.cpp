// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/progressdialogs.h"

#include "ui/filedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace blinket {

QString StandardProgressDialogs::saveFileName(QWidget &window)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return chooseFileName(&window, QFileDialog::AcceptSave, tr("Export CSV"),
                          QDir(folder).filePath(QStringLiteral("blinket-history.csv")),
                          tr("CSV files (*.csv);;All files (*)"));
}

bool StandardProgressDialogs::confirmForget(QWidget &window)
{
    // No is the default: Enter pressed by habit must not wipe years of practice.
    return QMessageBox::question(
               &window, tr("Forget history"), tr("Forget every stored run? This cannot be undone."),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

} // namespace blinket
