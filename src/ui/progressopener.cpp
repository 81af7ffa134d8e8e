// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progressopener.h"

#include "platform/runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace blinket {

namespace {

ProgressModule &loadModule()
{
    // Loaded once and never unloaded: the windows it makes live as long as the program.
    static ProgressModule *module = nullptr;
    if (module)
        return *module;
    const QDir programs(QCoreApplication::applicationDirPath());
    QStringList tried;
    for (const QString &folder :
         {programs.path(), programs.filePath(QStringLiteral(BLINKET_MODULES_FROM_PROGRAMS))}) {
        QPluginLoader loader(QDir(folder).filePath(QStringLiteral("blinket-progress")));
        module = qobject_cast<ProgressModule *>(loader.instance());
        if (module)
            return *module;
        tried << (loader.isLoaded() ? QStringLiteral("%1 is no Progress module")
                                          .arg(QDir::toNativeSeparators(loader.fileName()))
                                    : loader.errorString());
    }
    throw RuntimeError(48, QStringLiteral("Error in loading DLL: the Progress window could not "
                                          "be loaded (%1)")
                               .arg(tried.join(QStringLiteral("; "))));
}

} // namespace

ProgressView *openProgressWindow(ProgressSource &source, QWidget *parent)
{
    return loadModule().makeWindow(source, parent);
}

} // namespace blinket
