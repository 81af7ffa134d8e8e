// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Keys as a hand on a lamp key would: presses and releases one key through the X server's test
// extension on a timeline of marks and spaces, given raw or built from a text at a speed. The
// X server takes the events as from its keyboard, so the window with the keyboard gets them.
//
// Each event is sent at its own instant on the steady clock, counted from the first press.
// The extension's own delay was tried and dropped: the server counts it from when it gets to
// the request, a millisecond or two after the event before, so every element came out long
// and a 200-element keying ended a third of a second late; an instant on the clock that comes
// late leaves the ones after it where they were.
//
// Usage: keyer [--key NAME] --marks "MS MS ..."            (mark, space, mark, ...)
//        keyer [--key NAME] --text TEXT --wpm N [--dash D] [--letter-gap G] [--word-gap W]
//              [--spread S] [--seed N]
//        (either with [--no-repeat])
// The key is an X keysym name (space by default). Held longer than the X server's repeat
// delay (660 ms in Xvfb, a dash at 5 words a minute is 720 ms) it repeats as a keyboard's does,
// unless --no-repeat turns its repeat off while it keys. A timeline ending with a space is
// waited out before the keyer ends, so that a program may read the last letter as closed.
#include "keyingtimeline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

// After Qt's headers, whose names Xlib's macros (Bool, Status) would otherwise replace.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <thread>

using namespace blinket;

namespace {

using Clock = std::chrono::steady_clock;

// The number an option holds, or fallback when it is not given; nothing when it is no number.
std::optional<double> number(const QCommandLineParser &parser, const QString &option,
                             double fallback)
{
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const double value = parser.value(option).toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<std::vector<double>> timelineFrom(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("marks"))) {
        std::vector<double> timeline;
        for (const QString &each :
             parser.value(QStringLiteral("marks")).split(u' ', Qt::SkipEmptyParts)) {
            bool ok = false;
            timeline.push_back(each.toDouble(&ok));
            if (!ok || timeline.back() < 0)
                return std::nullopt;
        }
        return timeline.empty() ? std::nullopt : std::optional(timeline);
    }
    const Hand international;
    const auto wordsPerMinute = number(parser, QStringLiteral("wpm"), 0);
    const auto dash = number(parser, QStringLiteral("dash"), international.dash);
    const auto letterGap = number(parser, QStringLiteral("letter-gap"), international.letterGap);
    const auto wordGap = number(parser, QStringLiteral("word-gap"), international.wordGap);
    const auto spread = number(parser, QStringLiteral("spread"), 0);
    const auto seed = number(parser, QStringLiteral("seed"), 1);
    if (!wordsPerMinute || *wordsPerMinute <= 0 || !dash || !letterGap || !wordGap || !spread ||
        *spread < 0 || *spread >= 1 || !seed)
        return std::nullopt;
    return keyingTimeline(parser.value(QStringLiteral("text")), *wordsPerMinute,
                          {*dash, international.elementGap, *letterGap, *wordGap, *spread},
                          quint32(*seed));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Presses and releases a key on a timeline, through XTest."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("key"), QStringLiteral("The key, an X keysym name."),
         QStringLiteral("name"), QStringLiteral("space")},
        {QStringLiteral("marks"), QStringLiteral("Milliseconds of mark, space, mark, ..."),
         QStringLiteral("ms...")},
        {QStringLiteral("text"), QStringLiteral("The text to key."), QStringLiteral("text")},
        {QStringLiteral("wpm"), QStringLiteral("Words a minute (PARIS, 50 dots)."),
         QStringLiteral("n")},
        {QStringLiteral("dash"), QStringLiteral("Dots to a dash (3)."), QStringLiteral("dots")},
        {QStringLiteral("letter-gap"), QStringLiteral("Dots between letters (3)."),
         QStringLiteral("dots")},
        {QStringLiteral("word-gap"), QStringLiteral("Dots between words (7)."),
         QStringLiteral("dots")},
        {QStringLiteral("spread"),
         QStringLiteral("Each element longer or shorter by up to this "
                        "share, drawn evenly (0)."),
         QStringLiteral("share")},
        {QStringLiteral("no-repeat"), QStringLiteral("The key does not repeat while held.")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the spread's draws (1)."),
         QStringLiteral("n")},
    });
    parser.process(app);
    if (parser.isSet(QStringLiteral("marks")) == parser.isSet(QStringLiteral("text"))) {
        std::fputs("keyer: give either --marks or --text with --wpm\n", stderr);
        return 2;
    }
    const auto timeline = timelineFrom(parser);
    if (!timeline) {
        std::fputs("keyer: no timeline to key: check the marks, the text and the numbers\n",
                   stderr);
        return 2;
    }

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("keyer: cannot open the display\n", stderr);
        return 1;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        std::fputs("keyer: the X server has no XTEST extension\n", stderr);
        return 1;
    }
    const QByteArray keyName = parser.value(QStringLiteral("key")).toLatin1();
    const KeySym keysym = XStringToKeysym(keyName.constData());
    const KeyCode keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(display, keysym);
    if (keycode == 0) {
        std::fprintf(stderr, "keyer: no key %s on the X server's keyboard\n", keyName.constData());
        return 2;
    }

    const bool noRepeat = parser.isSet(QStringLiteral("no-repeat"));
    const auto setRepeat = [display, keycode](int mode) {
        XKeyboardControl control{};
        control.key = keycode;
        control.auto_repeat_mode = mode;
        XChangeKeyboardControl(display, KBKey | KBAutoRepeatMode, &control);
    };
    if (noRepeat)
        setRepeat(AutoRepeatModeOff);

    // Instants are summed in milliseconds and turned into clock time each on its own, so
    // fractions of a millisecond never add up.
    const auto start = Clock::now();
    const auto waitUntil = [start](double ms) {
        std::this_thread::sleep_until(start + std::chrono::duration_cast<Clock::duration>(
                                                  std::chrono::duration<double, std::milli>(ms)));
    };
    const auto send = [display, keycode](bool press) {
        XTestFakeKeyEvent(display, keycode, press, CurrentTime);
        XFlush(display);
    };
    double elapsedMs = 0;
    for (std::size_t i = 0; i < timeline->size(); ++i) {
        waitUntil(elapsedMs);
        send(i % 2 == 0);
        elapsedMs += (*timeline)[i];
    }
    waitUntil(elapsedMs);
    if (timeline->size() % 2 == 1)
        send(false);
    if (noRepeat)
        setRepeat(AutoRepeatModeDefault);
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
