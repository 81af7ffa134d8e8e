// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/optionsfile.h"

#include "platform/numeric.h"
#include "platform/runtimeerror.h"
#include "platform/textbytes.h"
#include "signal/timeunit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace blinket {

namespace {

QString keyOf(OptionKey key)
{
    switch (key) {
    case OptionKey::LetterSpeed:
        return QStringLiteral("signal/letterSpeed");
    case OptionKey::Characters:
        return QStringLiteral("runs/characters");
    case OptionKey::TextFile:
        return QStringLiteral("runs/textFile");
    case OptionKey::DrillText:
        return QStringLiteral("drill/text");
    case OptionKey::DrillExam:
        return QStringLiteral("drill/exam");
    }
    return QString();
}

// A value as written in the file: a list written without quotes comes back as a list.
QString textOf(const QSettings &file, OptionKey key)
{
    const QVariant value = file.value(keyOf(key));
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

} // namespace

QString letterSpeedProblem(const QString &text)
{
    const QString shown = text.trimmed();
    if (shown.isEmpty())
        return QString();
    double speed = 0.0;
    try {
        speed = textToNumber(text);
    } catch (const RuntimeError &) {
        return QCoreApplication::translate("OptionsFile", "the letter speed %1 is not a number")
            .arg(shown);
    }
    if (speed <= 0)
        return QCoreApplication::translate("OptionsFile", "the letter speed %1 is not above 0")
            .arg(shown);
    try {
        const qint32 dotMs = dotMsAtSpeed(speed);
        if (dotMs >= shortestDotMs)
            return QString();
        return QCoreApplication::translate(
                   "OptionsFile",
                   "the letter speed %1 is too fast to see: its dots would last %2 ms, less "
                   "than two frames of a screen; the highest letter speed taken is %3")
            .arg(shown)
            .arg(dotMs)
            .arg(highestVisibleSpeed());
    } catch (const RuntimeError &) {
        // Its time unit is past 16 bits of milliseconds.
        return QCoreApplication::translate("OptionsFile",
                                           "the letter speed %1 is too slow: a dot would last "
                                           "more than 16 seconds")
            .arg(shown);
    }
}

QString optionsFilePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("blinket/blinket.conf"));
}

std::unique_ptr<QSettings> optionsFile()
{
    return std::make_unique<QSettings>(optionsFilePath(), QSettings::IniFormat);
}

const OptionProblem *OptionsReading::problem(OptionKey key) const
{
    const auto found = std::ranges::find(problems, key, &OptionProblem::key);
    return found == problems.end() ? nullptr : &*found;
}

OptionsReading readOptions(QSettings &file)
{
    OptionsReading reading;
    Options &options = reading.options;
    const auto tell = [&reading](OptionKey key, const QString &written, const QString &why) {
        reading.problems.push_back({key, written, why});
    };

    const QString letterSpeed = textOf(file, OptionKey::LetterSpeed).trimmed();
    if (const QString problem = letterSpeedProblem(letterSpeed); problem.isEmpty())
        options.letterSpeed = letterSpeed;
    else
        tell(OptionKey::LetterSpeed, letterSpeed, problem);

    if (file.contains(keyOf(OptionKey::Characters))) {
        const QString written = textOf(file, OptionKey::Characters);
        Options chosen;
        chosen.letters = false;
        QStringList unknown;
        for (const QString &word : written.split(u',', Qt::SkipEmptyParts)) {
            const QString group = word.trimmed().toLower();
            if (group == u"letters")
                chosen.letters = true;
            else if (group == u"figures")
                chosen.figures = true;
            else if (group == u"punctuation")
                chosen.punctuation = true;
            else if (group == u"procedure")
                chosen.procedure = true;
            else
                unknown << word.trimmed();
        }
        if (!unknown.isEmpty()) {
            tell(OptionKey::Characters, written,
                 QCoreApplication::translate("OptionsFile",
                                             "the characters name %1, which is none of letters, "
                                             "figures, punctuation and procedure")
                     .arg(unknown.join(QStringLiteral(", "))));
        }
        // The groups it names are taken all the same.
        if (chosen.letters || chosen.figures || chosen.punctuation || chosen.procedure) {
            options.letters = chosen.letters;
            options.figures = chosen.figures;
            options.punctuation = chosen.punctuation;
            options.procedure = chosen.procedure;
        }
    }

    const QString textFile = textOf(file, OptionKey::TextFile);
    if (!textFile.isEmpty()) {
        const QFileInfo info(textFile);
        const QString shown = QDir::toNativeSeparators(textFile);
        if (info.isFile() && info.isReadable() && fileLooksLikeText(textFile))
            options.textFile = textFile;
        else if (info.isFile() && info.isReadable())
            tell(OptionKey::TextFile, textFile,
                 QCoreApplication::translate("OptionsFile",
                                             "the text file %1 is not text, as a program or a "
                                             "picture is not")
                     .arg(shown));
        else if (info.isDir())
            tell(OptionKey::TextFile, textFile,
                 QCoreApplication::translate("OptionsFile",
                                             "the text file %1 is a folder, not a file")
                     .arg(shown));
        else
            tell(OptionKey::TextFile, textFile,
                 QCoreApplication::translate("OptionsFile", "the text file %1 cannot be read")
                     .arg(shown));
    }

    const QString drillText = textOf(file, OptionKey::DrillText).trimmed();
    if (drillText.compare(u"words", Qt::CaseInsensitive) == 0)
        options.drillWords = true;
    else if (!drillText.isEmpty() && drillText.compare(u"groups", Qt::CaseInsensitive) != 0)
        tell(OptionKey::DrillText, drillText,
             QCoreApplication::translate("OptionsFile",
                                         "the drill's text %1 is neither groups nor words")
                 .arg(drillText));

    const QString exam = textOf(file, OptionKey::DrillExam).trimmed();
    if (exam.compare(u"true", Qt::CaseInsensitive) == 0)
        options.drillExam = true;
    else if (!exam.isEmpty() && exam.compare(u"false", Qt::CaseInsensitive) != 0)
        tell(OptionKey::DrillExam, exam,
             QCoreApplication::translate("OptionsFile",
                                         "the drill's exam %1 is neither true nor false")
                 .arg(exam));
    return reading;
}

void writeOption(QSettings &file, OptionKey key, const Options &options)
{
    QVariant value;
    switch (key) {
    case OptionKey::LetterSpeed:
        value = options.letterSpeed;
        break;
    case OptionKey::Characters: {
        QStringList groups;
        for (const auto &[chosen, word] : {std::pair{options.letters, "letters"},
                                           {options.figures, "figures"},
                                           {options.punctuation, "punctuation"},
                                           {options.procedure, "procedure"}}) {
            if (chosen)
                groups << QString::fromLatin1(word);
        }
        value = groups.join(u',');
        break;
    }
    case OptionKey::TextFile:
        value = options.textFile;
        break;
    case OptionKey::DrillText:
        value = options.drillWords ? QStringLiteral("words") : QStringLiteral("groups");
        break;
    case OptionKey::DrillExam:
        value = options.drillExam;
        break;
    }
    file.setValue(keyOf(key), value);
    file.sync();
}

} // namespace blinket
