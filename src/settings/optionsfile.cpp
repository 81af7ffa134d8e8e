// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/optionsfile.h"

#include "platform/numeric.h"
#include "platform/runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace blinket {

namespace {

const QString letterSpeedKey = QStringLiteral("signal/letterSpeed");
const QString charactersKey = QStringLiteral("runs/characters");
const QString textFileKey = QStringLiteral("runs/textFile");
const QString drillTextKey = QStringLiteral("drill/text");
const QString drillExamKey = QStringLiteral("drill/exam");

// A value as written in the file: a list written without quotes comes back as a list.
QString textOf(const QSettings &file, const QString &key)
{
    const QVariant value = file.value(key);
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

} // namespace

QString letterSpeedProblem(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QString();
    try {
        const double speed = textToNumber(text);
        if (speed <= 0)
            return QCoreApplication::translate("OptionsFile", "the letter speed %1 is not above 0")
                .arg(text);
        toInt16(divide(1600.0, speed));
        return QString();
    } catch (const RuntimeError &error) {
        return QCoreApplication::translate("OptionsFile", "the letter speed %1 cannot be used (%2)")
            .arg(text, error.description());
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

Options readOptions(QSettings &file, QStringList *problems)
{
    Options options;
    QStringList told;
    const QString letterSpeed = textOf(file, letterSpeedKey).trimmed();
    if (!letterSpeed.isEmpty()) {
        if (const QString problem = letterSpeedProblem(letterSpeed); problem.isEmpty())
            options.letterSpeed = letterSpeed;
        else
            told << problem;
    }

    if (file.contains(charactersKey)) {
        Options chosen;
        chosen.letters = false;
        bool known = true;
        for (const QString &word : textOf(file, charactersKey).split(u',', Qt::SkipEmptyParts)) {
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
                known = false;
        }
        if (!known) {
            told << QCoreApplication::translate(
                        "OptionsFile",
                        "the characters %1 hold a word other than letters, figures, punctuation "
                        "and procedure")
                        .arg(textOf(file, charactersKey));
        } else if (chosen.letters || chosen.figures || chosen.punctuation || chosen.procedure) {
            options.letters = chosen.letters;
            options.figures = chosen.figures;
            options.punctuation = chosen.punctuation;
            options.procedure = chosen.procedure;
        }
    }

    const QString textFile = textOf(file, textFileKey);
    if (!textFile.isEmpty()) {
        const QFileInfo info(textFile);
        if (info.isFile() && info.isReadable())
            options.textFile = textFile;
        else
            told << QCoreApplication::translate("OptionsFile", "the text file %1 cannot be read")
                        .arg(QDir::toNativeSeparators(textFile));
    }

    const QString drillText = textOf(file, drillTextKey).trimmed().toLower();
    if (drillText == u"words")
        options.drillWords = true;
    else if (!drillText.isEmpty() && drillText != u"groups")
        told << QCoreApplication::translate("OptionsFile",
                                            "the drill's text %1 is neither groups nor words")
                    .arg(drillText);
    const QString exam = textOf(file, drillExamKey).trimmed().toLower();
    if (exam == u"true")
        options.drillExam = true;
    else if (!exam.isEmpty() && exam != u"false")
        told << QCoreApplication::translate("OptionsFile",
                                            "the drill's exam %1 is neither true nor false")
                    .arg(exam);

    if (problems)
        *problems = told;
    return options;
}

void writeOptions(QSettings &file, const Options &options)
{
    file.setValue(letterSpeedKey, options.letterSpeed);
    QStringList groups;
    if (options.letters)
        groups << QStringLiteral("letters");
    if (options.figures)
        groups << QStringLiteral("figures");
    if (options.punctuation)
        groups << QStringLiteral("punctuation");
    if (options.procedure)
        groups << QStringLiteral("procedure");
    file.setValue(charactersKey, groups.join(u','));
    file.setValue(textFileKey, options.textFile);
    file.setValue(drillTextKey,
                  options.drillWords ? QStringLiteral("words") : QStringLiteral("groups"));
    file.setValue(drillExamKey, options.drillExam);
    file.sync();
}

} // namespace blinket
