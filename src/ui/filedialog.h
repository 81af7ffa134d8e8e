// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QFileDialog>
#include <QGuiApplication>

// Header only: the Progress module, which links nothing of ours, asks for a file too.

namespace blinket {

// The name of a file the learner chooses to open or save, empty when they chose none. The
// filters show their names alone, and in a right-to-left desktop the dialog's paths and file
// names still read left to right: a pattern or a path set in a right-to-left line comes out
// garbled ("(txt.*)", "tmp/words/").
inline QString chooseFileName(QWidget *parent, QFileDialog::AcceptMode mode, const QString &caption,
                              const QString &path, const QString &filters)
{
    QFileDialog dialog(parent, caption, path, filters);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft) {
        // The dialog's own widgets, whose paths can then be set left to right.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        for (const char *name :
             {"lookInCombo", "fileNameEdit", "sidebar", "listView", "treeView"}) {
            if (auto *pathShown = dialog.findChild<QWidget *>(QLatin1String(name)))
                pathShown->setLayoutDirection(Qt::LeftToRight);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace blinket
