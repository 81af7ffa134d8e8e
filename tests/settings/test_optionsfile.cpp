// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/optionsfile.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace blinket;

class TestOptionsFile : public QObject
{
    Q_OBJECT
private slots:
    void readsWhatItCanUse_data();
    void readsWhatItCanUse();
    void writtenOptionsComeBack();
    void aLetterSpeedTooFastSaysWhatIsTaken();
};

void TestOptionsFile::readsWhatItCanUse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("letterSpeed");
    QTest::addColumn<QString>("groups"); // l f p s: letters, figures, punctuation, procedure
    QTest::addColumn<bool>("drillWords");
    QTest::addColumn<int>("problems");
    const auto row = [](const char *name, const char *file, const char *letterSpeed,
                        const char *groups, bool drillWords, int problems) {
        QTest::newRow(name) << QByteArray(file) << QString::fromLatin1(letterSpeed)
                            << QString::fromLatin1(groups) << drillWords << problems;
    };
    row("nothing set", "", "", "l", false, 0);
    row("as a script writes them",
        "[signal]\nletterSpeed=15\n[runs]\ncharacters=letters,figures,procedure\n"
        "[drill]\ntext=words\nexam=false\n",
        "15", "lfs", true, 0);
    row("characters quoted, any case, spaces", "[runs]\ncharacters=\"Figures, PUNCTUATION\"\n", "",
        "fp", false, 0);
    row("an empty letter speed is none", "[signal]\nletterSpeed=\n", "", "l", false, 0);
    row("not a number", "[signal]\nletterSpeed=fast\n", "", "l", false, 1);
    row("a unit out of range", "[signal]\nletterSpeed=0.01\n", "", "l", false, 1);
    row("zero and below", "[signal]\nletterSpeed=-3\n", "", "l", false, 1);
    // A dot of the letter speed lasts at least two frames of a 60 Hz screen, 33 ms.
    row("the fastest letters seen", "[signal]\nletterSpeed=24\n", "24", "l", false, 0);
    row("letters too fast to see", "[signal]\nletterSpeed=25\n", "", "l", false, 1);
    row("a hundred thousand", "[signal]\nletterSpeed=100000\n", "", "l", false, 1);
    row("past 16 bits", "[signal]\nletterSpeed=99999999999\n", "", "l", false, 1);
    row("written with an exponent", "[signal]\nletterSpeed=1e3\n", "", "l", false, 1);
    row("no characters named", "[runs]\ncharacters=\n", "", "l", false, 0);
    row("a folder named as the text file", "[runs]\ntextFile=/\n", "", "l", false, 1);
    row("a program named as the text file", "[runs]\ntextFile=/bin/ls\n", "", "l", false, 1);
    row("an unknown word keeps the letters", "[runs]\ncharacters=letters,greek\n", "", "l", false,
        1);
    row("the groups named beside an unknown word",
        "[runs]\ncharacters=letters,figures,punctuation,bogus\n", "", "lfp", false, 1);
    row("a missing text file", "[runs]\ntextFile=/no/such/file.txt\n", "", "l", false, 1);
    row("everything wrong at once",
        "[signal]\nletterSpeed=x\n[runs]\ncharacters=x\ntextFile=/x\n[drill]\ntext=poems\n"
        "exam=maybe\n",
        "", "l", false, 5);
}

void TestOptionsFile::readsWhatItCanUse()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, letterSpeed);
    QFETCH(QString, groups);
    QFETCH(bool, drillWords);
    QFETCH(int, problems);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blinket.conf"));
    QVERIFY(writeFile(path, file));
    QSettings settings(path, QSettings::IniFormat);
    const OptionsReading reading = readOptions(settings);
    const Options &options = reading.options;
    QCOMPARE(options.letterSpeed, letterSpeed);
    QString chosen;
    for (const auto &[on, letter] : {std::pair{options.letters, 'l'},
                                     {options.figures, 'f'},
                                     {options.punctuation, 'p'},
                                     {options.procedure, 's'}}) {
        if (on)
            chosen += QLatin1Char(letter);
    }
    QCOMPARE(chosen, groups);
    QCOMPARE(options.drillWords, drillWords);
    QVERIFY(options.textFile.isEmpty());
    QCOMPARE(int(reading.problems.size()), problems);
}

void TestOptionsFile::writtenOptionsComeBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blinket.conf"));
    QVERIFY(writeFile(path, "[windows]\nCopyCheck=kept\n"));
    Options options;
    options.letterSpeed = QStringLiteral("18");
    options.figures = true;
    options.textFile = path;
    options.drillExam = true;
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const OptionKey key :
             {OptionKey::LetterSpeed, OptionKey::Characters, OptionKey::TextFile,
              OptionKey::DrillText, OptionKey::DrillExam})
            writeOption(settings, key, options);
    }
    QSettings settings(path, QSettings::IniFormat);
    const OptionsReading reading = readOptions(settings);
    QCOMPARE(reading.options, options);
    QVERIFY(reading.problems.empty());
    // Whatever else the file keeps stays.
    QCOMPARE(settings.value(QStringLiteral("windows/CopyCheck")).toString(),
             QStringLiteral("kept"));
}

void TestOptionsFile::aLetterSpeedTooFastSaysWhatIsTaken()
{
    QCOMPARE(letterSpeedProblem(QStringLiteral("100000")),
             QStringLiteral("the letter speed 100000 is too fast to see: its dots would last 0 "
                            "ms, less than two frames of a screen; the highest letter speed "
                            "taken is 24"));
}

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "test_optionsfile.moc"
