// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progressopener.h"

#include "platform/runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace blinket {

namespace {

MakeProgressView loadMaker()
{
    // Loaded once and never unloaded: the windows it makes live as long as the program.
    static MakeProgressView maker = nullptr;
    if (maker)
        return maker;
    const QDir programs(QCoreApplication::applicationDirPath());
    QStringList tried;
    for (const QString &folder :
         {programs.path(), programs.filePath(QStringLiteral(BLINKET_MODULES_FROM_PROGRAMS))}) {
        QLibrary module(QDir(folder).filePath(QStringLiteral("blinket-progress")));
        if (module.load()) {
            maker = reinterpret_cast<MakeProgressView>(module.resolve("blinketMakeProgressWindow"));
            if (maker)
                return maker;
        }
        tried << module.errorString();
    }
    throw RuntimeError(48, QStringLiteral("Error in loading DLL: the Progress window could not "
                                          "be loaded (%1)")
                               .arg(tried.join(QStringLiteral("; "))));
}

} // namespace

ProgressView *openProgressWindow(PracticeHistory &history, QWidget *parent)
{
    return loadMaker()(history, parent);
}

} // namespace blinket
