// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace blinket {

namespace {

// Installs a translation when its file is there; one that is missing leaves the texts in
// English.
void install(QApplication &app, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return;
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

void installTranslations(QApplication &app)
{
    if (QLocale::system().language() != QLocale::Hebrew) {
        // The English texts are the sources; this holds only their plural forms.
        install(app, QStringLiteral("blinket_en"), QStringLiteral(":/i18n"));
        return;
    }
    install(app, QStringLiteral("blinket_he"), QStringLiteral(":/i18n"));
    install(app, QStringLiteral("qtbase_he"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Every window follows, but the main window, which sets its own.
    QApplication::setLayoutDirection(Qt::RightToLeft);
}

} // namespace blinket
