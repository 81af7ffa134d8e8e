// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/settingswriter.h"

#include "settings/settingserrors.h"

#include <QSaveFile>

#include <cerrno>

namespace blinket {

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");

} // namespace

QByteArray numberForm(qint64 value)
{
    QByteArray form(1, value < 0 ? '-' : ' ');
    // The magnitude of the smallest qint64 does not fit a qint64; an unsigned one holds it.
    const quint64 magnitude =
        value < 0 ? quint64(0) - static_cast<quint64>(value) : static_cast<quint64>(value);
    form += QByteArray::number(magnitude);
    form += ' ';
    return form;
}

QByteArray textForm(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    // As it stands, such a text would come back as more than one field, or cut short.
    const bool splits =
        bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') || bytes.contains('\n');
    if (!splits)
        return bytes;
    QByteArray quoted = bytes;
    quoted.replace("\"", "\"\"");
    return '"' + quoted + '"';
}

QByteArray settingsFileBytes(const SettingsValues &values)
{
    QByteArray bytes;
    bytes += textForm(values.speed) + lineEnd;
    bytes += textForm(values.minutes) + lineEnd;
    bytes += numberForm(values.lampSize) + lineEnd;
    bytes += numberForm(values.lampColour) + lineEnd;
    bytes += numberForm(values.windowColour) + lineEnd;
    return bytes;
}

void writeSettingsFile(const QString &path, const SettingsValues &values)
{
    const QByteArray bytes = settingsFileBytes(values);
    QSaveFile file(path);
    // In a folder where no new file may be made, a file that may itself be written is written
    // in place: not safe against a failure half way, but better than no Save at all.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that every short write is seen here: a buffered one can go unnoticed
    // until the file is committed, and a cut-off file would replace a good one.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw fileErrorFor(errno);
    qint64 written = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const int error = errno;
            file.cancelWriting(); // the new file is dropped, the old one stays
            throw fileErrorFor(error);
        }
        written += count;
    }
    errno = 0;
    if (!file.commit())
        throw fileErrorFor(errno);
}

} // namespace blinket
