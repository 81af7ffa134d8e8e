// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/fontconfiguration.h"

#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace blinket {

namespace {

struct FontReading
{
    std::mutex mutex;
    std::condition_variable_any changed;
    bool configurationRead = false;
    bool applicationStarted = false;
    // Last, so that it is joined before the rest goes.
    std::jthread thread;
};

FontReading &reading()
{
    static FontReading state;
    return state;
}

void readFonts(std::stop_token stop, FontReading &state)
{
    // Fontconfig keeps what this reads; Qt, asking later, finds the reading done. A failed
    // reading is left for Qt to find and deal with as it would have anyway.
    FcInit();
    std::unique_lock lock(state.mutex);
    state.configurationRead = true;
    state.changed.notify_all();
    if (!state.changed.wait(lock, stop, [&state] { return state.applicationStarted; }))
        return;
    lock.unlock();
    // Qt's font database lists the fonts under a lock of its own, which the window's first
    // text measurement waits for.
    QFontDatabase::families();
}

} // namespace

void startReadingFonts()
{
    FontReading &state = reading();
    if (state.thread.joinable())
        return;
    // Written here, before the thread starts, so that nothing ever reads them while they are.
    installFontSubstitutions();
    {
        const std::lock_guard lock(state.mutex);
        state.configurationRead = false;
        state.applicationStarted = false;
    }
    try {
        state.thread = std::jthread(readFonts, std::ref(state));
    } catch (const std::system_error &) {
        // No thread to be had: Qt reads the fonts itself when it first needs them.
    }
}

void applicationStarted()
{
    FontReading &state = reading();
    const std::lock_guard lock(state.mutex);
    state.applicationStarted = true;
    state.changed.notify_all();
}

void waitForFontConfiguration()
{
    FontReading &state = reading();
    std::unique_lock lock(state.mutex);
    if (state.thread.joinable())
        state.changed.wait(lock, [&state] { return state.configurationRead; });
}

void finishReadingFonts()
{
    FontReading &state = reading();
    if (state.thread.joinable()) {
        state.thread.request_stop();
        state.thread.join();
    }
}

} // namespace blinket
