// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "platform/errorguard.h"
#include "practice/practicesession.h"
#include "recordingreporter.h"
#include "settings/settingsfile.h"
#include "testfiles.h"
#include "ui/main/colours.h"
#include "ui/main/form1.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace blinket;

namespace {

// What Save and Load touch, as the learner sees it.
struct Snapshot
{
    QString combo;
    QString minutes;
    int slider;
    TwipsRect lamp;
    ColourValue lampColour;
    ColourValue windowColour;
    ColourValue frame1;
    ColourValue frame2;

    static Snapshot of(const Form1 &form)
    {
        return {control<QComboBox>(form, "Combo1")->currentText(),
                control<QLineEdit>(form, "Text2")->text(),
                control<QScrollBar>(form, "HScroll1")->value(),
                control<CircleShape>(form, "pic1")->box(),
                backColour(control<CircleShape>(form, "pic1")),
                backColour(&form),
                backColour(control<QFrame>(form, "Frame1")),
                backColour(control<QFrame>(form, "Frame2"))};
    }
};

bool operator==(const TwipsRect &a, const TwipsRect &b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

int openFileCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                   .size());
}

const QByteArray freshFile = "4\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n";

} // namespace

class TestSaveLoad : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveWritesTheFreshWindow();
    void saveWritesTheRedLampOnBlack();
    void saveTakesTheSpeedFromTheList();
    void saveThenLoadLeavesTheWindowAsItWas_data();
    void saveThenLoadLeavesTheWindowAsItWas();
    void loadAppliesWhatItReadsUntilAFailure_data();
    void loadAppliesWhatItReadsUntilAFailure();
    void loadClosesTheFileEvenWhenItFails();
    void loadedSystemColoursFollowTheDesktop();
    void fileLivesInTheWorkingDirectory();
    void saveInAReadOnlyDirectory_data();
    void saveInAReadOnlyDirectory();
    void saveOnAFullDiskKeepsTheOldFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_startDir;
    std::unique_ptr<FakePlatform> m_platform;
    // Nothing is typed in these tests, so nothing is kept.
    PracticeSession m_session{QDir::tempPath()};
    std::unique_ptr<Form1> m_form;
    RecordingReporter m_reporter;
};

void TestSaveLoad::init()
{
    m_startDir = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_platform = std::make_unique<FakePlatform>();
    m_form = std::make_unique<Form1>(*m_platform, m_session);
    m_reporter.reports.clear();
    m_form->setErrorReporter(m_reporter);
}

void TestSaveLoad::cleanup()
{
    m_form.reset();
    m_platform.reset();
    QDir::setCurrent(m_startDir);
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

void TestSaveLoad::saveWritesTheFreshWindow()
{
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    QCOMPARE(contentsOf(settingsFileName()), freshFile);
    QCOMPARE(contentsOf(settingsFileName()).size(), 38);
    QVERIFY(m_reporter.reports.isEmpty());
}

void TestSaveLoad::saveWritesTheRedLampOnBlack()
{
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label9", 2), Qt::LeftButton);
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label1", 0), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    QCOMPARE(contentsOf(settingsFileName()), QByteArray("4\r\n3\r\n 555 \r\n 255 \r\n 0 \r\n"));
}

void TestSaveLoad::saveTakesTheSpeedFromTheList()
{
    control<QComboBox>(*m_form, "Combo1")->setCurrentIndex(2);
    control<QLineEdit>(*m_form, "Text2")->setText(QStringLiteral("12"));
    QTest::keyClick(control<QScrollBar>(*m_form, "HScroll1"), Qt::Key_Right);
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    QCOMPARE(contentsOf(settingsFileName()),
             QByteArray("8\r\n12\r\n 565 \r\n-2147483643 \r\n 8421504 \r\n"));
}

void TestSaveLoad::saveThenLoadLeavesTheWindowAsItWas_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("slider"); // 0: leave the slider untouched since start-up
    QTest::addColumn<int>("circle");
    QTest::addColumn<int>("swatch");
    QTest::newRow("fresh window") << QStringLiteral("4") << QStringLiteral("3") << 0 << -1 << -1;
    QTest::newRow("changed") << QStringLiteral("6") << QStringLiteral("10") << 1201 << 5 << 4;
    QTest::newRow("smallest red black")
        << QStringLiteral("13") << QStringLiteral("1") << 333 << 2 << 0;
    QTest::newRow("largest system colour")
        << QStringLiteral("25") << QStringLiteral("120") << 2222 << 3 << 3;
}

void TestSaveLoad::saveThenLoadLeavesTheWindowAsItWas()
{
    QFETCH(QString, speed);
    QFETCH(QString, minutes);
    QFETCH(int, slider);
    QFETCH(int, circle);
    QFETCH(int, swatch);
    control<QComboBox>(*m_form, "Combo1")->setEditText(speed);
    control<QLineEdit>(*m_form, "Text2")->setText(minutes);
    if (slider)
        control<QScrollBar>(*m_form, "HScroll1")->setValue(slider);
    if (circle >= 0)
        QTest::mouseClick(control<ClickLabel>(*m_form, "Label9", circle), Qt::LeftButton);
    if (swatch >= 0)
        QTest::mouseClick(control<ClickLabel>(*m_form, "Label1", swatch), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    const Snapshot saved = Snapshot::of(*m_form);
    QTest::mouseClick(control<QPushButton>(*m_form, "Command5"), Qt::LeftButton);
    const Snapshot loaded = Snapshot::of(*m_form);
    QCOMPARE(loaded.combo, saved.combo);
    QCOMPARE(loaded.minutes, saved.minutes);
    QCOMPARE(loaded.slider, saved.slider);
    // The slider did not change, so the lamp was neither moved nor resized.
    QVERIFY(loaded.lamp == saved.lamp);
    QCOMPARE(loaded.lampColour, saved.lampColour);
    QCOMPARE(loaded.windowColour, saved.windowColour);
    QCOMPARE(loaded.frame1, saved.frame1);
    QCOMPARE(loaded.frame2, saved.frame2);
    QVERIFY(m_reporter.reports.isEmpty());
}

void TestSaveLoad::loadAppliesWhatItReadsUntilAFailure_data()
{
    QTest::addColumn<QByteArray>("file"); // nothing at all: no file
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("slider");
    QTest::addColumn<ColourValue>("lamp");
    QTest::addColumn<ColourValue>("window");

    const QString four = QStringLiteral("4");
    const QString three = QStringLiteral("3");
    const ColourValue white = SystemColour::WindowBackground;
    const ColourValue grey = rgbColour(0x80, 0x80, 0x80);

    QTest::newRow("no file") << QByteArray() << four << three << 555 << white << grey;
    QTest::newRow("everything") << QByteArray("6\r\n10\r\n 1200 \r\n 65535 \r\n 8421376 \r\n")
                                << QStringLiteral("6") << QStringLiteral("10") << 1200
                                << ColourValue(65535) << ColourValue(8421376);
    QTest::newRow("leading zero") << QByteArray("04\r\n010\r\n 555 \r\n 255 \r\n 0 \r\n") << four
                                  << QStringLiteral("10") << 555 << ColourValue(255)
                                  << ColourValue(0);
    QTest::newRow("comma in line 1")
        << QByteArray("5, 3\r\n7\r\n 1200 \r\n 255 \r\n 0 \r\n") << QStringLiteral("5")
        << QStringLiteral("3") << 555 << white << grey;
    QTest::newRow("slider value 100")
        << QByteArray("6\r\n10\r\n 100 \r\n 255 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 555 << white << grey;
    QTest::newRow("slider value 2223")
        << QByteArray("6\r\n10\r\n 2223 \r\n 255 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 555 << white << grey;
    QTest::newRow("slider value 332")
        << QByteArray("6\r\n10\r\n 332 \r\n 255 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 555 << white << grey;
    QTest::newRow("slider ends 333 and 2222")
        << QByteArray("6\r\n10\r\n 333 \r\n 255 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 333 << ColourValue(255) << ColourValue(0);
    QTest::newRow("slider 2222") << QByteArray("6\r\n10\r\n 2222 \r\n 255 \r\n 0 \r\n")
                                 << QStringLiteral("6") << QStringLiteral("10") << 2222
                                 << ColourValue(255) << ColourValue(0);
    QTest::newRow("cut after line 2") << QByteArray("6\r\n10\r\n") << QStringLiteral("6")
                                      << QStringLiteral("10") << 555 << white << grey;
    QTest::newRow("cut after line 3") << QByteArray("6\r\n10\r\n 1200 \r\n") << QStringLiteral("6")
                                      << QStringLiteral("10") << 1200 << white << grey;
    QTest::newRow("cut after line 4")
        << QByteArray("6\r\n10\r\n 1200 \r\n 255 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 1200 << ColourValue(255) << grey;
    QTest::newRow("cut in line 2") << QByteArray("6\r\n1") << QStringLiteral("6")
                                   << QStringLiteral("1") << 555 << white << grey;
    QTest::newRow("text for the slider")
        << QByteArray("6\r\n10\r\nbig\r\n 255 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 555 << white << grey;
    QTest::newRow("text for the lamp colour")
        << QByteArray("6\r\n10\r\n 1200 \r\nred\r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 1200 << white << grey;
    QTest::newRow("slider past 16 bits")
        << QByteArray("6\r\n10\r\n 40000 \r\n 255 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 555 << white << grey;
    QTest::newRow("lamp colour past 32 bits")
        << QByteArray("6\r\n10\r\n 1200 \r\n 4294967295 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 1200 << white << grey;
    QTest::newRow("window colour past 32 bits")
        << QByteArray("6\r\n10\r\n 1200 \r\n 255 \r\n-2147483649 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 1200 << ColourValue(255) << grey;
    QTest::newRow("no such colour")
        << QByteArray("6\r\n10\r\n 1200 \r\n 16777216 \r\n 0 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 1200 << white << grey;
    QTest::newRow("no such system colour")
        << QByteArray("6\r\n10\r\n 1200 \r\n 255 \r\n-2147483548 \r\n") << QStringLiteral("6")
        << QStringLiteral("10") << 1200 << ColourValue(255) << grey;
    QTest::newRow("empty fields") << QByteArray("\r\n\r\n 555 \r\n\r\n\r\n") << QString()
                                  << QString() << 555 << ColourValue(0) << ColourValue(0);
    QTest::newRow("quoted texts") << QByteArray(
                                         "\"5, 3\"\r\n\" 10 \"\r\n 1200 \r\n 255 \r\n 0 \r\n")
                                  << QStringLiteral("5, 3") << QStringLiteral(" 10 ") << 1200
                                  << ColourValue(255) << ColourValue(0);
}

void TestSaveLoad::loadAppliesWhatItReadsUntilAFailure()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, speed);
    QFETCH(QString, minutes);
    QFETCH(int, slider);
    QFETCH(ColourValue, lamp);
    QFETCH(ColourValue, window);
    if (!file.isEmpty())
        QVERIFY(writeFile(settingsFileName(), file));
    const TwipsRect startBox = control<CircleShape>(*m_form, "pic1")->box();

    QTest::mouseClick(control<QPushButton>(*m_form, "Command5"), Qt::LeftButton);

    QCOMPARE(control<QComboBox>(*m_form, "Combo1")->currentText(), speed);
    QCOMPARE(control<QLineEdit>(*m_form, "Text2")->text(), minutes);
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->value(), slider);
    if (slider == 555) {
        QVERIFY(control<CircleShape>(*m_form, "pic1")->box() == startBox);
    } else {
        QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), float(slider));
        QCOMPARE(control<CircleShape>(*m_form, "pic1")->Top(), float(2760 - slider / 2.0));
    }
    QCOMPARE(backColour(control<CircleShape>(*m_form, "pic1")), lamp);
    QCOMPARE(backColour(m_form.get()), window);
    QCOMPARE(backColour(control<QFrame>(*m_form, "Frame1")), window);
    QCOMPARE(backColour(control<QFrame>(*m_form, "Frame2")), window);
    // Whatever went wrong, the learner is not told and the window goes on.
    QVERIFY(m_reporter.reports.isEmpty());
    QVERIFY(control<QPushButton>(*m_form, "Command5")->isEnabled());
}

void TestSaveLoad::loadClosesTheFileEvenWhenItFails()
{
    QVERIFY(writeFile(settingsFileName(), "6\r\n10\r\n 100 \r\n"));
    const int before = openFileCount();
    QTest::mouseClick(control<QPushButton>(*m_form, "Command5"), Qt::LeftButton);
    QCOMPARE(openFileCount(), before);
    // The same file can be written again straight away.
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    QVERIFY(m_reporter.reports.isEmpty());
    QCOMPARE(contentsOf(settingsFileName()),
             QByteArray("6\r\n10\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n"));
}

void TestSaveLoad::loadedSystemColoursFollowTheDesktop()
{
    QVERIFY(writeFile(settingsFileName(), "4\r\n3\r\n 555 \r\n-2147483643 \r\n-2147483643 \r\n"));
    QTest::mouseClick(control<QPushButton>(*m_form, "Command5"), Qt::LeftButton);
    QCOMPARE(backColour(m_form.get()), SystemColour::WindowBackground);
    const QPalette saved = QApplication::palette();
    QPalette desktop = saved;
    desktop.setColor(QPalette::Base, QColor(0x20, 0x60, 0x30));
    QApplication::setPalette(desktop);
    QCoreApplication::processEvents();
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->palette().color(QPalette::Window),
             QColor(0x20, 0x60, 0x30));
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(0x20, 0x60, 0x30));
    QCOMPARE(control<QFrame>(*m_form, "Frame2")->palette().color(QPalette::Window),
             QColor(0x20, 0x60, 0x30));
    QApplication::setPalette(saved);
    QCoreApplication::processEvents();
    // And Save writes the reference, not the colour it stood for.
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    QCOMPARE(contentsOf(settingsFileName()),
             QByteArray("4\r\n3\r\n 555 \r\n-2147483643 \r\n-2147483643 \r\n"));
}

void TestSaveLoad::fileLivesInTheWorkingDirectory()
{
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    control<QLineEdit>(*m_form, "Text2")->setText(QStringLiteral("7"));
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    QVERIFY(QFile::exists(elsewhere.filePath(QStringLiteral("blinket.txt"))));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("blinket.txt"))));
    control<QLineEdit>(*m_form, "Text2")->setText(QStringLiteral("9"));
    QTest::mouseClick(control<QPushButton>(*m_form, "Command5"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(*m_form, "Text2")->text(), QStringLiteral("7"));
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestSaveLoad::saveInAReadOnlyDirectory_data()
{
    QTest::addColumn<bool>("fileWritable");
    QTest::newRow("file read-only too") << false;
    QTest::newRow("file writable") << true;
}

void TestSaveLoad::saveInAReadOnlyDirectory()
{
    QFETCH(bool, fileWritable);
    const QByteArray old = "6\r\n10\r\n 1200 \r\n 255 \r\n 0 \r\n";
    QVERIFY(writeFile(settingsFileName(), old));
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    QVERIFY(
        QFile::setPermissions(settingsFileName(), fileWritable ? readable | writable : readable));
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(m_dir->path(), readOnly));
    // Root may write anywhere; as root, act as an ordinary user for the length of the test.
    OrdinaryUser user;
    QVERIFY(OrdinaryUser::active());
    {
        QFile probe(QStringLiteral("probe"));
        QVERIFY(!probe.open(QIODevice::WriteOnly));
    }
    control<QComboBox>(*m_form, "Combo1")->setEditText(QStringLiteral("8"));
    QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    if (fileWritable) {
        // No new file may be made beside it, so the file itself is written over.
        QVERIFY(m_reporter.reports.isEmpty());
        QCOMPARE(contentsOf(settingsFileName()),
                 QByteArray("8\r\n3\r\n 555 \r\n-2147483643 \r\n 8421504 \r\n"));
    } else {
        QCOMPARE(m_reporter.reports,
                 QStringList({QStringLiteral("Run-time error '70': Permission denied")}));
        QCOMPARE(contentsOf(settingsFileName()), old);
    }
    // The program goes on: the next click is handled as usual.
    QTest::mouseClick(control<QPushButton>(*m_form, "Command5"), Qt::LeftButton);
    QCOMPARE(control<QComboBox>(*m_form, "Combo1")->currentText(),
             fileWritable ? QStringLiteral("8") : QStringLiteral("6"));
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->value(), fileWritable ? 555 : 1200);
}

void TestSaveLoad::saveOnAFullDiskKeepsTheOldFile()
{
    const QByteArray old = "6\r\n10\r\n 1200 \r\n 255 \r\n 0 \r\n";
    QVERIFY(writeFile(settingsFileName(), old));
    {
        // Room for twenty bytes per file only, as on a disk that fills up during the write.
        const FileSizeLimit limit(20);
        QTest::mouseClick(control<QPushButton>(*m_form, "Command4"), Qt::LeftButton);
    }
    QCOMPARE(m_reporter.reports, QStringList({QStringLiteral("Run-time error '61': Disk full")}));
    QCOMPARE(contentsOf(settingsFileName()), old);
    QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("blinket.txt")}));
    QTest::mouseClick(control<QPushButton>(*m_form, "Command5"), Qt::LeftButton);
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->value(), 1200);
}

QTEST_MAIN(TestSaveLoad)
#include "test_saveload.moc"
