// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "fakeplatform.h"
#include "practice/practicesession.h"
#include "recordingnotices.h"
#include "recordingreporter.h"
#include "testfiles.h"
#include "ui/main/form1.h"
#include "windowcontrols.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace blinket {

// The real window on the fake platform, its errors recorded instead of shown, and its
// practice history and options in a folder of its own.
struct WindowHarness
{
    WindowHarness()
    {
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        // The options and the practice windows' places too: each window starts afresh.
        qputenv("XDG_CONFIG_HOME", (dataHome.path() + QStringLiteral("/config")).toLocal8Bit());
        platform.setTimeOfDay(0.0);
        form.setErrorReporter(reporter);
        form.setNotices(notices);
    }

    // Writes the options file as a learner or a script would.
    bool writeOptions(const QByteArray &bytes)
    {
        const QString folder = dataHome.filePath(QStringLiteral("config/blinket"));
        return QDir().mkpath(folder) && writeFile(folder + QStringLiteral("/blinket.conf"), bytes);
    }

    // Where the practice history of this window goes.
    QString historyFolder() const { return dataHome.filePath(QCoreApplication::applicationName()); }

    // Types into the speed and minutes boxes, as the learner would before a run.
    void setSpeedAndMinutes(const QString &speed, const QString &minutes)
    {
        control<QComboBox>(form, "Combo1")->setEditText(speed);
        control<QLineEdit>(form, "Text2")->setText(minutes);
    }
    void click(const char *name) { control<QPushButton>(form, name)->click(); }
    // Presses Stop while the run sends the letter of the last scripted draw, so that the run
    // ends after that letter.
    void stopAfterTheScriptedDraws(qint64 from = 0)
    {
        platform.at(from, [this] {
            if (platform.scriptedDrawsLeft() == 0)
                click("cmdStop");
            else
                stopAfterTheScriptedDraws(platform.now() + 1);
        });
    }
    QString results() const { return resultsText(form); }

    QTemporaryDir dataHome;
    FakePlatform platform;
    PracticeSession session{historyFolder()};
    Form1 form{platform, session};
    RecordingReporter reporter;
    RecordingNotices notices;
};

} // namespace blinket
