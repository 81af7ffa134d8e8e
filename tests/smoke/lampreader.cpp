// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Reads the lamp as a learner does: watches one point of a window (white while the lamp is
// lit), times each flash and each dark gap against the time unit, and writes every character
// it makes out on a line of its own as soon as the gap that closes it is over, until the time
// is up. A dash lights the lamp five times as long as a dot, the gap that closes a character
// five times as long as the gap inside one, so halfway between tells them apart.
// With "hebrew" last, a letter's sign is read as the Hebrew letter of that sign, by the table of
// the Hebrew code written out here on its own, and written in UTF-8.
// Usage: lampreader <window id> <x> <y> <unit ms> <seconds> [hebrew]
#include "signal/characters.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::string characterOf(const std::string &elements)
{
    for (const QChar c : blinket::sendableCharacters()) {
        if (blinket::morseElements(c) == elements)
            return std::string(1, char(c.unicode()));
    }
    return "?";
}

struct HebrewSign
{
    const char *elements;
    const char *letter;
};
constexpr std::array<HebrewSign, 22> hebrewCode{{
    {".-", "א"},   {"-...", "ב"}, {"--.", "ג"},  {"-..", "ד"},  {"---", "ה"},  {".", "ו"},
    {"--..", "ז"}, {"....", "ח"}, {"..-", "ט"},  {"..", "י"},   {"-.-", "כ"},  {".-..", "ל"},
    {"--", "מ"},   {"-.", "נ"},   {"-.-.", "ס"}, {".---", "ע"}, {".--.", "פ"}, {".--", "צ"},
    {"--.-", "ק"}, {".-.", "ר"},  {"...", "ש"},  {"-", "ת"},
}};

std::string hebrewCharacterOf(const std::string &elements)
{
    for (const HebrewSign &sign : hebrewCode) {
        if (elements == sign.elements)
            return sign.letter;
    }
    return characterOf(elements);
}

} // namespace

int main(int argc, char *argv[])
{
    const bool hebrew = argc == 7 && std::string(argv[6]) == "hebrew";
    if (argc != 6 && !hebrew) {
        std::fputs("usage: lampreader <window id> <x> <y> <unit ms> <seconds> [hebrew]\n", stderr);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("lampreader: cannot open the display\n", stderr);
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    const double unit = std::atof(argv[4]);
    const auto end = Clock::now() + std::chrono::seconds(std::atoi(argv[5]));

    const auto lit = [&] {
        XImage *image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return false;
        const unsigned long pixel = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        // The lamp is white or a light colour; the window behind it mid grey or darker.
        return ((pixel >> 16) & 0xff) > 0xc0;
    };
    bool wasLit = lit();
    bool seenDark = !wasLit;
    auto since = Clock::now();
    std::string elements;
    while (Clock::now() < end) {
        const bool isLit = lit();
        const auto now = Clock::now();
        const double units = std::chrono::duration<double, std::milli>(now - since).count() / unit;
        if (isLit != wasLit) {
            // The lamp lit between runs, before the first dark, is no flash.
            if (wasLit && seenDark)
                elements += units < 1.5 ? '.' : '-';
            seenDark = true;
            wasLit = isLit;
            since = now;
        } else if (!isLit && !elements.empty() && units >= 1.5) {
            const std::string read = hebrew ? hebrewCharacterOf(elements) : characterOf(elements);
            std::printf("%s\n", read.c_str());
            std::fflush(stdout);
            elements.clear();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    XCloseDisplay(display);
    return 0;
}
