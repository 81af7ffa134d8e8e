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
    void lampKeyNames_data();
    void lampKeyNames();
    void readsTheKeying_data();
    void readsTheKeying();
    void readsTheLight_data();
    void readsTheLight();
};

Q_DECLARE_METATYPE(KeyingText)

void TestOptionsFile::readsWhatItCanUse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("letterSpeed");
    QTest::addColumn<QString>("groups"); // l f p s h: letters, figures, punctuation, procedure,
                                         // Hebrew letters
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
    row("an unknown timing", "[signal]\ntiming=fast\n", "", "l", false, 1);
    row("no characters named", "[runs]\ncharacters=\n", "", "l", false, 0);
    row("a folder named as the text file", "[runs]\ntextFile=/\n", "", "l", false, 1);
    row("a program named as the text file", "[runs]\ntextFile=/bin/ls\n", "", "l", false, 1);
    row("an unknown word keeps the letters", "[runs]\ncharacters=letters,greek\n", "", "l", false,
        1);
    row("the groups named beside an unknown word",
        "[runs]\ncharacters=letters,figures,punctuation,bogus\n", "", "lfp", false, 1);
    row("a missing text file", "[runs]\ntextFile=/no/such/file.txt\n", "", "l", false, 1);
    row("Hebrew letters", "[runs]\ncharacters=hebrew,figures\n", "", "fh", false, 0);
    row("Hebrew letters in place of the Latin ones", "[runs]\ncharacters=Letters,HEBREW\n", "", "h",
        false, 0);
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
                                     {options.procedure, 's'},
                                     {options.hebrew, 'h'}}) {
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
    options.letters = false;
    options.hebrew = true;
    options.textFile = path;
    options.drillExam = true;
    // A comma alone would read back as a list of two empty values unless written quoted.
    options.lampKey = QStringLiteral(",");
    options.keyingText = KeyingText::Signals;
    options.keyingInDrill = true;
    options.timing = Timing::International;
    options.light = {true, 40, 100, Sky::Dusk, 60, 30};
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const OptionKey key :
             {OptionKey::LetterSpeed, OptionKey::Timing, OptionKey::Characters, OptionKey::TextFile,
              OptionKey::DrillText, OptionKey::DrillExam, OptionKey::LampKey, OptionKey::KeyingText,
              OptionKey::KeyingInDrill, OptionKey::LightDistance, OptionKey::LightHaze,
              OptionKey::LightShimmer, OptionKey::LightSky, OptionKey::LightShutter,
              OptionKey::LightHand})
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
    // The International dot is 1200 / speed ms, not the own 800: 30 is seen, 37 is not.
    QVERIFY(letterSpeedProblem(QStringLiteral("30"), Timing::International).isEmpty());
    QVERIFY(!letterSpeedProblem(QStringLiteral("30")).isEmpty());
    QVERIFY(letterSpeedProblem(QStringLiteral("37"), Timing::International).endsWith(u"is 36"));
}

void TestOptionsFile::lampKeyNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key"); // 0: none
    QTest::addColumn<QString>("written");
    const auto row = [](const char *name, int key, const char *written) {
        QTest::newRow(name) << QString::fromUtf8(name) << key << QString::fromLatin1(written);
    };
    row("Space", Qt::Key_Space, "Space");
    row("space", Qt::Key_Space, "Space");
    row("a", Qt::Key_A, "A");
    row("Insert", Qt::Key_Insert, "Ins");
    row(",", Qt::Key_Comma, ",");
    row("Ctrl", Qt::Key_Control, "Ctrl");
    row("Control", Qt::Key_Control, "Ctrl");
    row("ALT", Qt::Key_Alt, "Alt");
    // One key, though not one the lamp can take.
    row("Escape", Qt::Key_Escape, "Esc");
    row("Ctrl+A", 0, "");
    row("A, B", 0, "");
    row("", 0, "");
    row("Nonsense", 0, "");
}

void TestOptionsFile::lampKeyNames()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, written);
    const std::optional<int> code = lampKeyCode(name);
    QCOMPARE(code.value_or(0), key);
    if (code)
        QCOMPARE(lampKeyName(*code), written);
}

void TestOptionsFile::readsTheKeying_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("lampKey");
    QTest::addColumn<KeyingText>("keyingText");
    QTest::addColumn<bool>("inDrill");
    QTest::addColumn<QString>("told"); // the problems, each on a line
    const auto row = [](const char *name, const char *file, const char *lampKey,
                        KeyingText keyingText, bool inDrill, const char *told) {
        QTest::newRow(name) << QByteArray(file) << QString::fromLatin1(lampKey) << keyingText
                            << inDrill << QString::fromLatin1(told);
    };
    row("nothing set", "", "Space", KeyingText::Groups, false, "");
    row("all set", "[keying]\nkey=F12\nsend=signals\ndrill=true\n", "F12", KeyingText::Signals,
        true, "");
    row("any case, kept as Qt writes it", "[keying]\nkey=ctrl\nsend=WORDS\ndrill=False\n", "Ctrl",
        KeyingText::Words, false, "");
    row("empty values", "[keying]\nkey=\nsend=\ndrill=\n", "Space", KeyingText::Groups, false, "");
    row("a key with a modifier", "[keying]\nkey=Ctrl+A\n", "Space", KeyingText::Groups, false,
        "the lamp key Ctrl+A is not the name of one key, such as Space, F12, A or Ctrl; Space is "
        "used");
    row("two keys", "[keying]\nkey=\"A, B\"\n", "Space", KeyingText::Groups, false,
        "the lamp key A, B is not the name of one key, such as Space, F12, A or Ctrl; Space is "
        "used");
    row("Return", "[keying]\nkey=return\n", "Space", KeyingText::Groups, false,
        "the lamp key return cannot be used: Enter ends the keying; Space is used");
    row("Tab", "[keying]\nkey=Tab\n", "Space", KeyingText::Groups, false,
        "the lamp key Tab cannot be used: Esc, Tab and Backspace belong to the window; Space is "
        "used");
    row("unknown words", "[keying]\nsend=poems\ndrill=maybe\n", "Space", KeyingText::Groups, false,
        "what keying sends, poems, is none of groups, words and signals; groups are sent\n"
        "answering the drill by keying, maybe, is neither true nor false; it stays off");
}

void TestOptionsFile::readsTheKeying()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, lampKey);
    QFETCH(KeyingText, keyingText);
    QFETCH(bool, inDrill);
    QFETCH(QString, told);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blinket.conf"));
    QVERIFY(writeFile(path, file));
    QSettings settings(path, QSettings::IniFormat);
    const OptionsReading reading = readOptions(settings);
    QCOMPARE(reading.options.lampKey, lampKey);
    QCOMPARE(reading.options.keyingText, keyingText);
    QCOMPARE(reading.options.keyingInDrill, inDrill);
    QStringList problems;
    for (const OptionProblem &problem : reading.problems)
        problems << problem.why;
    QCOMPARE(problems.join(u'\n'), told);
}

void TestOptionsFile::readsTheLight_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("light"); // as the history writes it
    QTest::addColumn<QString>("told");  // the values refused, each in its problem, in order
    QTest::newRow("the most of each, in any case")
        << QByteArray(
               "[light]\ndistance=TRUE\nhaze=100\nshimmer= 0 \nsky=Dusk\nshutter=60\nhand=30\n")
        << QStringLiteral("distance haze=100 sky=dusk shutter=60 hand=30") << QString();
    QTest::newRow("words, a fraction and numbers out of range, beside a value taken")
        << QByteArray("[light]\ndistance=maybe\nhaze=12.5\nshimmer=40\nsky=purple\nshutter=61\n"
                      "hand=-1\n")
        << QStringLiteral("shimmer=40") << QStringLiteral("maybe 12.5 61 -1 purple");
}

void TestOptionsFile::readsTheLight()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, light);
    QFETCH(QString, told);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blinket.conf"));
    QVERIFY(writeFile(path, file));
    QSettings settings(path, QSettings::IniFormat);
    const OptionsReading reading = readOptions(settings);
    QCOMPARE(lightText(reading.options.light), light);
    const QStringList values = told.split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(reading.problems.size(), std::size_t(values.size()));
    for (std::size_t i = 0; i < reading.problems.size(); ++i)
        QVERIFY2(reading.problems[i].why.contains(values[qsizetype(i)]),
                 qPrintable(reading.problems[i].why));
}

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "test_optionsfile.moc"
