// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Rewrites PNGs of 16 bits a channel as PNGs of 8 bits holding exactly the pixels that Qt
// shows for them. Qt keeps a picture on screen as premultiplied 8-bit pixels; unpremultiplied,
// those read back to the same ones, so nothing on screen changes. An 8-bit PNG is smaller
// and reads several times faster wherever it is read: the installed icons by the desktop.
// Usage: eightbit <file.png>...     (rewrites each file in place; others are left alone)
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QString file = QString::fromLocal8Bit(argv[i]);
        const QImage image(file);
        if (image.isNull()) {
            std::fprintf(stderr, "eightbit: cannot read %s\n", argv[i]);
            return 1;
        }
        if (image.depth() <= 32)
            continue;
        const QImage shown = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage reduced = shown.convertToFormat(QImage::Format_ARGB32);
        if (reduced.convertToFormat(QImage::Format_ARGB32_Premultiplied) != shown) {
            std::fprintf(stderr, "eightbit: %s would not look the same in 8 bits\n", argv[i]);
            return 1;
        }
        if (!reduced.save(file, "png")) {
            std::fprintf(stderr, "eightbit: cannot write %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
