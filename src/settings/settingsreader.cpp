// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/settingsreader.h"

#include "platform/numeric.h"
#include "settings/fieldreader.h"
#include "settings/settingserrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace blinket {

void readSettings(QIODevice &device, SettingsTarget &target)
{
    FieldReader fields(device);
    target.setSpeed(fieldText(fields.next()));
    target.setMinutes(fieldText(fields.next()));
    target.setLampSize(toInt16(fieldNumber(fields.next())));
    target.setLampColour(toInt32(fieldNumber(fields.next())));
    target.setWindowColour(toInt32(fieldNumber(fields.next())));
}

bool loadSettingsFile(const QString &path, SettingsTarget &target)
{
    try {
        // Only a plain file is read: a pipe or a device under that name could block the
        // window or never end.
        if (!QFileInfo(path).isFile())
            throw fileNotFound();
        QFile file(path);
        errno = 0;
        if (!file.open(QIODevice::ReadOnly))
            throw fileErrorFor(errno);
        readSettings(file, target);
        return true;
    } catch (const RuntimeError &) {
        return false;
    }
}

} // namespace blinket
