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
#include <QKeySequence>
#include <QStandardPaths>

#include <algorithm>

namespace blinket {

namespace {

QString keyOf(OptionKey key)
{
    switch (key) {
    case OptionKey::LetterSpeed:
        return QStringLiteral("signal/letterSpeed");
    case OptionKey::Timing:
        return QStringLiteral("signal/timing");
    case OptionKey::Characters:
        return QStringLiteral("runs/characters");
    case OptionKey::TextFile:
        return QStringLiteral("runs/textFile");
    case OptionKey::DrillText:
        return QStringLiteral("drill/text");
    case OptionKey::DrillExam:
        return QStringLiteral("drill/exam");
    case OptionKey::LampKey:
        return QStringLiteral("keying/key");
    case OptionKey::KeyingText:
        return QStringLiteral("keying/send");
    case OptionKey::KeyingInDrill:
        return QStringLiteral("keying/drill");
    case OptionKey::LightDistance:
        return QStringLiteral("light/distance");
    case OptionKey::LightHaze:
        return QStringLiteral("light/haze");
    case OptionKey::LightShimmer:
        return QStringLiteral("light/shimmer");
    case OptionKey::LightSky:
        return QStringLiteral("light/sky");
    case OptionKey::LightShutter:
        return QStringLiteral("light/shutter");
    case OptionKey::LightHand:
        return QStringLiteral("light/hand");
    }
    return QString();
}

// The words [signal] timing is written with, in the order of Timing.
constexpr const char *timingWords[] = {"own", "international"};

// The words [keying] send is written with, in the order of KeyingText.
constexpr const char *keyingTextWords[] = {"groups", "words", "signals"};

// The light's amounts, each a whole number from 0 to its most, and why a value written is not
// taken: the value, then the most.
struct LightAmount
{
    OptionKey key;
    int LightConditions::*field;
    int most;
    const char *why;
};
constexpr LightAmount lightAmounts[] = {
    {OptionKey::LightHaze, &LightConditions::haze, LightConditions::maxHaze,
     QT_TRANSLATE_NOOP("OptionsFile",
                       "the haze %1 is not a whole number from 0 to %2; the air is clear")},
    {OptionKey::LightShimmer, &LightConditions::shimmer, LightConditions::maxShimmer,
     QT_TRANSLATE_NOOP("OptionsFile",
                       "the shimmer %1 is not a whole number from 0 to %2; the light is steady")},
    {OptionKey::LightShutter, &LightConditions::shutterMs, LightConditions::maxShutterMs,
     QT_TRANSLATE_NOOP("OptionsFile", "the shutter's time %1 is not a whole number of ms from 0 "
                                      "to %2; the light switches at once")},
    {OptionKey::LightHand, &LightConditions::handPercent, LightConditions::maxHandPercent,
     QT_TRANSLATE_NOOP("OptionsFile", "the hand's spread %1 is not a whole number from 0 to %2 "
                                      "percent; every length is exact")},
};

// The modifier keys pressed alone, by the names they have in a key sequence such as Ctrl+A:
// alone, Qt reads "Ctrl" as no key and writes Qt::Key_Control as "Control". A practice key
// often types one of them.
constexpr std::pair<int, const char *> modifierKeys[] = {{Qt::Key_Control, "Ctrl"},
                                                         {Qt::Key_Shift, "Shift"},
                                                         {Qt::Key_Alt, "Alt"},
                                                         {Qt::Key_Meta, "Meta"}};

// A value as written in the file: a list written without quotes comes back as a list.
QString textOf(const QSettings &file, OptionKey key)
{
    const QVariant value = file.value(keyOf(key));
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

} // namespace

QString letterSpeedProblem(const QString &text, Timing timing)
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
        const qint32 dotMs = dotMsAtSpeed(speed, timing);
        if (dotMs >= shortestDotMs)
            return QString();
        return QCoreApplication::translate(
                   "OptionsFile",
                   "the letter speed %1 is too fast to see: its dots would last %2 ms, less "
                   "than two frames of a screen; the highest letter speed taken is %3")
            .arg(shown)
            .arg(dotMs)
            .arg(highestVisibleSpeed(timing));
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

std::optional<int> lampKeyCode(const QString &name)
{
    for (const auto &[key, modifier] : modifierKeys) {
        if (name.compare(QLatin1String(modifier), Qt::CaseInsensitive) == 0)
            return key;
    }
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1)
        return std::nullopt;
    const QKeyCombination combination = sequence[0];
    if (combination.keyboardModifiers() != Qt::NoModifier || combination.key() == Qt::Key_unknown)
        return std::nullopt;
    return int(combination.key());
}

QString lampKeyName(int key)
{
    for (const auto &[modifierKey, name] : modifierKeys) {
        if (key == modifierKey)
            return QString::fromLatin1(name);
    }
    // Qt writes some keys (AltGr, Super) as a character it cannot read back.
    const QString name = QKeySequence(key).toString(QKeySequence::PortableText);
    return lampKeyCode(name) == key ? name : QString();
}

QString lampKeyProblem(const QString &name)
{
    const std::optional<int> key = lampKeyCode(name);
    if (!key || lampKeyName(*key).isEmpty())
        return QCoreApplication::translate("OptionsFile",
                                           "the lamp key %1 is not the name of one key, such as "
                                           "Space, F12, A or Ctrl")
            .arg(name);
    if (*key == Qt::Key_Return || *key == Qt::Key_Enter)
        return QCoreApplication::translate("OptionsFile",
                                           "the lamp key %1 cannot be used: Enter ends the keying")
            .arg(name);
    if (*key == Qt::Key_Escape || *key == Qt::Key_Tab || *key == Qt::Key_Backtab ||
        *key == Qt::Key_Backspace)
        return QCoreApplication::translate("OptionsFile",
                                           "the lamp key %1 cannot be used: Esc, Tab and "
                                           "Backspace belong to the window")
            .arg(name);
    return QString();
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

    const QString timing = textOf(file, OptionKey::Timing).trimmed();
    if (!timing.isEmpty()) {
        const auto *word = std::ranges::find_if(timingWords, [&timing](const char *word) {
            return timing.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
        });
        if (word != std::end(timingWords))
            options.timing = Timing(word - std::begin(timingWords));
        else
            tell(OptionKey::Timing, timing,
                 QCoreApplication::translate("OptionsFile",
                                             "the timing %1 is neither own nor international; "
                                             "the program's own is used")
                     .arg(timing));
    }

    // Its dots are the timing's.
    const QString letterSpeed = textOf(file, OptionKey::LetterSpeed).trimmed();
    if (const QString problem = letterSpeedProblem(letterSpeed, options.timing); problem.isEmpty())
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
            else if (group == u"hebrew")
                chosen.hebrew = true;
            else
                unknown << word.trimmed();
        }
        if (!unknown.isEmpty()) {
            tell(OptionKey::Characters, written,
                 QCoreApplication::translate("OptionsFile",
                                             "the characters name %1, which is none of letters, "
                                             "hebrew, figures, punctuation and procedure")
                     .arg(unknown.join(QStringLiteral(", "))));
        }
        // The groups it names are taken all the same.
        if (chosen.letters || chosen.figures || chosen.punctuation || chosen.procedure ||
            chosen.hebrew) {
            // A run never mixes the alphabets: the Hebrew letters, named, replace A to Z.
            options.letters = chosen.letters && !chosen.hebrew;
            options.hebrew = chosen.hebrew;
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

    // Read in any case; kept as Qt names the key, the way the Options window writes it.
    const QString lampKey = textOf(file, OptionKey::LampKey).trimmed();
    if (!lampKey.isEmpty()) {
        if (const QString problem = lampKeyProblem(lampKey); problem.isEmpty())
            options.lampKey = lampKeyName(*lampKeyCode(lampKey));
        else
            tell(OptionKey::LampKey, lampKey,
                 QCoreApplication::translate("OptionsFile", "%1; %2 is used",
                                             "why a lamp key cannot be used; the key used instead")
                     .arg(problem, options.lampKey));
    }

    const QString keyingText = textOf(file, OptionKey::KeyingText).trimmed();
    if (!keyingText.isEmpty()) {
        const auto *word = std::ranges::find_if(keyingTextWords, [&keyingText](const char *word) {
            return keyingText.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
        });
        if (word != std::end(keyingTextWords))
            options.keyingText = KeyingText(word - std::begin(keyingTextWords));
        else
            tell(OptionKey::KeyingText, keyingText,
                 QCoreApplication::translate("OptionsFile",
                                             "what keying sends, %1, is none of groups, words "
                                             "and signals; groups are sent")
                     .arg(keyingText));
    }

    const QString inDrill = textOf(file, OptionKey::KeyingInDrill).trimmed();
    if (inDrill.compare(u"true", Qt::CaseInsensitive) == 0)
        options.keyingInDrill = true;
    else if (!inDrill.isEmpty() && inDrill.compare(u"false", Qt::CaseInsensitive) != 0)
        tell(OptionKey::KeyingInDrill, inDrill,
             QCoreApplication::translate("OptionsFile",
                                         "answering the drill by keying, %1, is neither "
                                         "true nor false; it stays off")
                 .arg(inDrill));

    const QString distance = textOf(file, OptionKey::LightDistance).trimmed();
    if (distance.compare(u"true", Qt::CaseInsensitive) == 0)
        options.light.distance = true;
    else if (!distance.isEmpty() && distance.compare(u"false", Qt::CaseInsensitive) != 0)
        tell(OptionKey::LightDistance, distance,
             QCoreApplication::translate("OptionsFile",
                                         "the distance %1 is neither true nor false; the lamp is "
                                         "seen near")
                 .arg(distance));

    for (const auto &[key, field, most, why] : lightAmounts) {
        const QString written = textOf(file, key).trimmed();
        if (written.isEmpty())
            continue;
        bool number = false;
        const int amount = written.toInt(&number);
        if (number && amount >= 0 && amount <= most)
            options.light.*field = amount;
        else
            tell(key, written,
                 QCoreApplication::translate("OptionsFile", why).arg(written).arg(most));
    }

    const QString sky = textOf(file, OptionKey::LightSky).trimmed();
    if (!sky.isEmpty()) {
        if (const std::optional<Sky> chosen = skyFromWord(sky))
            options.light.sky = *chosen;
        else
            tell(OptionKey::LightSky, sky,
                 QCoreApplication::translate("OptionsFile",
                                             "the sky %1 is none of own, day, dusk and night; the "
                                             "window's own colour is around the lamp")
                     .arg(sky));
    }
    return reading;
}

void writeOption(QSettings &file, OptionKey key, const Options &options)
{
    QVariant value;
    switch (key) {
    case OptionKey::LetterSpeed:
        value = options.letterSpeed;
        break;
    case OptionKey::Timing:
        value = QString::fromLatin1(timingWords[int(options.timing)]);
        break;
    case OptionKey::Characters: {
        QStringList groups;
        for (const auto &[chosen, word] : {std::pair{options.letters, "letters"},
                                           {options.hebrew, "hebrew"},
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
    case OptionKey::LampKey:
        value = options.lampKey;
        break;
    case OptionKey::KeyingText:
        value = QString::fromLatin1(keyingTextWords[int(options.keyingText)]);
        break;
    case OptionKey::KeyingInDrill:
        value = options.keyingInDrill;
        break;
    case OptionKey::LightDistance:
        value = options.light.distance;
        break;
    case OptionKey::LightHaze:
        value = options.light.haze;
        break;
    case OptionKey::LightShimmer:
        value = options.light.shimmer;
        break;
    case OptionKey::LightSky:
        value = skyWord(options.light.sky);
        break;
    case OptionKey::LightShutter:
        value = options.light.shutterMs;
        break;
    case OptionKey::LightHand:
        value = options.light.handPercent;
        break;
    }
    file.setValue(keyOf(key), value);
    file.sync();
}

} // namespace blinket
