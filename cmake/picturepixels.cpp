// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Turns a PNG into the pixels the program keeps on screen, so that the program has nothing to
// decode while it starts: the width and the height as 32-bit numbers, then each row of
// premultiplied 32-bit ARGB pixels, all in the order of the machine that builds it (and runs
// what it builds). Usage: picturepixels <in.png> <out.pixels>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: picturepixels <in.png> <out.pixels>\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "picturepixels: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "picturepixels: cannot write %s\n", argv[2]);
        return 1;
    }
    const std::uint32_t size[2] = {std::uint32_t(image.width()), std::uint32_t(image.height())};
    bool written = out.write(reinterpret_cast<const char *>(size), sizeof size) == sizeof size;
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    for (int y = 0; written && y < image.height(); ++y)
        written =
            out.write(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes) == rowBytes;
    if (!written || !out.flush()) {
        std::fprintf(stderr, "picturepixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
