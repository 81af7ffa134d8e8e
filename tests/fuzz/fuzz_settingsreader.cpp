// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Feeds arbitrary bytes to the settings file reader. It must end on every input, never
// read past the data, never stand still, and hand over only values the window can hold;
// and a file it wrote itself must read back as written.

#include "platform/numeric.h"
#include "platform/runtimeerror.h"
#include "settings/fieldreader.h"
#include "settings/settingsreader.h"
#include "settings/settingswriter.h"

#include <QBuffer>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace blinket;

namespace {

// Takes what a window would take, refusing the lamp sizes its slider cannot show.
class CheckingTarget : public SettingsTarget
{
public:
    void setSpeed(const QString &text) override { values.speed = text; }
    void setMinutes(const QString &text) override { values.minutes = text; }
    void setLampSize(qint16 twips) override
    {
        if (twips < 333 || twips > 2222)
            throw RuntimeError(380, QStringLiteral("Invalid property value"));
        values.lampSize = twips;
    }
    void setLampColour(ColourValue colour) override { values.lampColour = colour; }
    void setWindowColour(ColourValue colour) override { values.windowColour = colour; }

    SettingsValues values;
};

void readEveryField(QByteArray data)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    FieldReader reader(buffer);
    try {
        for (;;) {
            const qint64 before = buffer.pos();
            const Field field = reader.next();
            if (buffer.pos() <= before || buffer.pos() > data.size())
                std::abort(); // stood still or ran past the end
            if (field.kind == Field::Kind::Number && !std::isfinite(field.number))
                std::abort();
            (void)fieldText(field);
            try {
                (void)toInt32(fieldNumber(field));
            } catch (const RuntimeError &) {
            }
        }
    } catch (const RuntimeError &) {
    }
}

void readSettingsFrom(QByteArray data)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CheckingTarget target;
    try {
        readSettings(buffer, target);
    } catch (const RuntimeError &) {
    }
}

// Texts that come back as written: one that holds a comma, a double quote or a line end is
// written in quotes and comes back whole; any other must not start or end with a space, nor
// be a number (which would come back in its shown form).
bool readsBackAsWritten(const QString &text)
{
    if (text.isEmpty())
        return false;
    bool quoted = false;
    for (const QChar c : text) {
        if (c.isSurrogate() || c == QChar::ReplacementCharacter)
            return false;
        quoted = quoted || c == QLatin1Char(',') || c == QLatin1Char('"') ||
                 c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }
    const QByteArray bytes = text.toLocal8Bit();
    if (QString::fromLocal8Bit(bytes) != text)
        return false;
    if (quoted)
        return true;
    if (text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ')))
        return false;
    try {
        textToNumber(text);
        return false;
    } catch (const RuntimeError &) {
        return true;
    }
}

void roundTrip(const uint8_t *data, size_t size)
{
    if (size < 10)
        return;
    const auto word = [data](size_t at) {
        return qint32(quint32(data[at]) | quint32(data[at + 1]) << 8 | quint32(data[at + 2]) << 16 |
                      quint32(data[at + 3]) << 24);
    };
    SettingsValues values;
    values.lampSize = qint16(333 + (data[0] | data[1] << 8) % (2222 - 333 + 1));
    values.lampColour = word(2);
    values.windowColour = word(6);
    const QByteArray rest(reinterpret_cast<const char *>(data) + 10, qsizetype(size - 10));
    const qsizetype split = rest.indexOf('\0');
    values.speed = QString::fromLocal8Bit(split < 0 ? rest : rest.left(split));
    values.minutes = split < 0 ? QString() : QString::fromLocal8Bit(rest.mid(split + 1));
    if (!readsBackAsWritten(values.speed) || !readsBackAsWritten(values.minutes))
        return;
    QByteArray file = settingsFileBytes(values);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    CheckingTarget target;
    readSettings(buffer, target); // a file we wrote must read without error
    const SettingsValues &back = target.values;
    if (back.speed != values.speed || back.minutes != values.minutes ||
        back.lampSize != values.lampSize || back.lampColour != values.lampColour ||
        back.windowColour != values.windowColour)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readEveryField(bytes);
    readSettingsFrom(bytes);
    roundTrip(data, size);
    return 0;
}
