// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicehistory.h"
#include "sqlitetool.h"
#include "testfiles.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

using namespace blinket;

namespace {

const QFile::Permissions readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
const QFile::Permissions openFolder =
    readOnlyFolder | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

// The bytes of a good history holding `count` runs of a thousand letters each, made in a
// folder of its own and closed again.
QByteArray goodHistoryBytes(int count)
{
    QTemporaryDir dir;
    {
        PracticeHistory history(dir.path());
        for (int i = 0; i < count; ++i)
            history.store(madeRun(QString(1000, u'K'), QString(1000, u'R'), i));
    }
    // Closing the last connection folds the write-ahead log into the file and removes it.
    return contentsOf(dir.filePath(QStringLiteral("history.sqlite")));
}

// A database that says it was written by version 99 of the program.
QByteArray newerVersionBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        database.setDatabaseName(path);
        database.open();
        QSqlQuery query(database);
        query.exec(QStringLiteral("CREATE TABLE runs (started TEXT, lessons BLOB)"));
        query.exec(QStringLiteral("INSERT INTO runs VALUES ('2030-01-01', x'0102')"));
        query.exec(QStringLiteral("PRAGMA user_version = 99"));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    return contentsOf(path);
}

// A database of some other program: version 0, but not empty.
QByteArray someoneElsesBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        database.setDatabaseName(path);
        database.open();
        QSqlQuery(database).exec(QStringLiteral("CREATE TABLE recipes (name TEXT)"));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    return contentsOf(path);
}

// Runs a statement on the history file through a connection of the test's own.
bool runOnFile(const QString &path, const QString &statement)
{
    bool done = false;
    {
        QSqlDatabase database =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("side"));
        database.setDatabaseName(path);
        done = database.open() && QSqlQuery(database).exec(statement);
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("side"));
    return done;
}

qint64 sizeOf(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? qint64(status.st_size) : 0;
}

} // namespace

class TestHistoryFaults : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void unusableFileIsKeptAside_data();
    void unusableFileIsKeptAside();
    void keptAsideWhenTheFirstThingIsAStore();
    void emptyFileIsAFreshHistory();
    void fileThatCannotBeOpenedIsKeptAside();
    void readOnlyFolderBeforeTheFirstStore();
    void readOnlyFolderWithAHistory();
    void storeAfterAFailedOneStartsAfresh();
    void storeThatOverrunsTheFileSizeLimitLeavesTheHistory();
    void storeOnAFullDiskLeavesTheHistory();
    void failureInsideTheTransactionRollsBack();
    void killedWhileStoringLeavesTheHistoryWhole();

private:
    QString path() const { return m_folder + QStringLiteral("/history.sqlite"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_startDir;
    QString m_folder;
};

void TestHistoryFaults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The history is named from inside the temporary folder: acting as an ordinary user, a
    // test must not depend on the folders above it being open to others, which they are
    // not everywhere (a root folder made by mktemp, say).
    m_startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_folder = QStringLiteral("blinket");
    QVERIFY(QDir().mkpath(m_folder));
}

void TestHistoryFaults::cleanup()
{
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(m_folder, owner);
    QFile::setPermissions(m_dir->path(), owner);
    QDir::setCurrent(m_startDir);
    m_dir.reset();
}

void TestHistoryFaults::unusableFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("told");
    QTest::addColumn<bool>("storeFirst"); // else the Progress window reads first

    struct BadFile
    {
        const char *name;
        QByteArray bytes;
        QString reason;
        QString told;
    };
    const QString unreadable = QStringLiteral("Your practice history could not be read, so a new "
                                              "history was started. The old file was kept as ");
    const QString newer =
        QStringLiteral("Your practice history was written by a newer version of Blinket that "
                       "this one cannot read, so a new history was started. The old file was "
                       "kept as ");
    QByteArray garbage;
    for (int i = 0; i < 300; ++i)
        garbage += "This is not a database. ";
    const QByteArray good = goodHistoryBytes(12);
    QVERIFY(good.size() > 40000);
    // A page in the middle of the runs: neither reading the count nor adding a run at the end
    // touches it, so only a check of the whole file on opening finds it.
    QByteArray overwritten = good;
    overwritten.replace(good.size() / 2 - good.size() / 2 % 4096, 4096, QByteArray(4096, '\x5a'));

    const std::vector<BadFile> files = {
        {"garbage", garbage, QStringLiteral("unreadable"), unreadable},
        {"cut in half", good.left(good.size() / 2), QStringLiteral("unreadable"), unreadable},
        {"cut inside the header", good.left(60), QStringLiteral("unreadable"), unreadable},
        {"a page overwritten", overwritten, QStringLiteral("unreadable"), unreadable},
        {"newer version", newerVersionBytes(), QStringLiteral("newer"), newer},
        {"someone else's database", someoneElsesBytes(), QStringLiteral("unreadable"), unreadable},
    };
    for (const bool storeFirst : {false, true}) {
        for (const BadFile &file : files) {
            QTest::addRow("%s, %s first", file.name, storeFirst ? "stored" : "read")
                << file.bytes << file.reason << file.told << storeFirst;
        }
    }
}

void TestHistoryFaults::unusableFileIsKeptAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QFETCH(QString, told);
    QFETCH(bool, storeFirst);
    QVERIFY(writeFile(path(), bytes));
    const RunRecord run = madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"));

    PracticeHistory history(m_folder);
    if (storeFirst) {
        QCOMPARE(history.store(run), std::optional<qint64>(1));
    } else {
        const auto runs = history.allRuns();
        QVERIFY2(runs, qPrintable(history.lastError()));
        QVERIFY(runs->empty());
        QCOMPARE(history.runCount(), std::optional<int>(0));
    }
    const QStringList kept = namesIn(m_folder).filter(QStringLiteral(".sqlite."));
    QCOMPARE(kept.size(), 1);
    const QRegularExpression keptName(
        QStringLiteral("^history\\.sqlite\\.%1-\\d{8}-\\d{6}$").arg(reason));
    QVERIFY2(keptName.match(kept[0]).hasMatch(), qPrintable(kept[0]));
    const QString keptPath = m_folder + u'/' + kept[0];
    QCOMPARE(contentsOf(keptPath), bytes);
    QCOMPARE(history.takeProblem(), told + keptPath + u'.');
    QCOMPARE(history.takeProblem(), QString());

    // The fresh history goes on as any other.
    if (!storeFirst)
        QCOMPARE(history.store(run), std::optional<qint64>(1));
    QCOMPARE(history.store(run), std::optional<qint64>(2));
    QCOMPARE(history.runCount(), std::optional<int>(2));
    QCOMPARE(history.takeProblem(), QString());
    QStringList names = namesIn(m_folder);
    names.sort();
    QCOMPARE(names,
             (QStringList{QStringLiteral("history.sqlite"), QStringLiteral("history.sqlite-shm"),
                          QStringLiteral("history.sqlite-wal"), kept[0]}));
    QCOMPARE(contentsOf(keptPath), bytes);
}

void TestHistoryFaults::keptAsideWhenTheFirstThingIsAStore()
{
    QVERIFY(writeFile(path(), "garbage, not SQLite"));
    // A file already kept aside at this very second takes a counter, not its place.
    {
        PracticeHistory history(m_folder);
        QVERIFY(history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))));
        QVERIFY(!history.takeProblem().isEmpty());
    }
    QVERIFY(writeFile(path(), "more garbage"));
    PracticeHistory history(m_folder);
    QCOMPARE(history.store(madeRun(QStringLiteral("T"), QStringLiteral("T"))),
             std::optional<qint64>(1));
    QVERIFY(history.takeProblem().contains(QStringLiteral(".unreadable-")));
    QStringList kept = namesIn(m_folder).filter(QStringLiteral(".unreadable-"));
    QCOMPARE(kept.size(), 2);
    QStringList contents;
    for (const QString &name : kept)
        contents << QString::fromLatin1(contentsOf(m_folder + u'/' + name));
    contents.sort();
    QCOMPARE(contents,
             (QStringList{QStringLiteral("garbage, not SQLite"), QStringLiteral("more garbage")}));
}

void TestHistoryFaults::emptyFileIsAFreshHistory()
{
    QVERIFY(writeFile(path(), QByteArray()));
    PracticeHistory history(m_folder);
    QCOMPARE(history.runCount(), std::optional<int>(0));
    QCOMPARE(history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))),
             std::optional<qint64>(1));
    QCOMPARE(history.takeProblem(), QString());
    QCOMPARE(namesIn(m_folder).filter(QStringLiteral("unreadable")), QStringList());
}

void TestHistoryFaults::fileThatCannotBeOpenedIsKeptAside()
{
    const QByteArray good = goodHistoryBytes(2);
    QVERIFY(writeFile(path(), good));
    QVERIFY(QFile::setPermissions(path(), {}));
    QVERIFY(QFile::setPermissions(m_dir->path(), readOnlyFolder));
    QVERIFY(QFile::setPermissions(m_folder, openFolder));
    QString told;
    {
        OrdinaryUser user;
        QVERIFY(OrdinaryUser::active());
        QVERIFY(!QFile(path()).open(QIODevice::ReadOnly));
        // SQLite opens a file by its full path, so a fresh history can only be started where
        // the folders above are open to an ordinary user.
        const QString full = QDir(m_folder).absolutePath();
        if (faccessat(AT_FDCWD, QFile::encodeName(full).constData(), X_OK, AT_EACCESS) != 0)
            QSKIP("the folders above the temporary one are closed to an ordinary user here");
        PracticeHistory history(m_folder);
        QVERIFY2(history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))),
                 qPrintable(history.lastError()));
        told = history.takeProblem();
        QCOMPARE(history.runCount(), std::optional<int>(1));
    }
    const QStringList kept = namesIn(m_folder).filter(QStringLiteral(".unreadable-"));
    QCOMPARE(kept.size(), 1);
    QVERIFY(told.contains(m_folder + u'/' + kept[0]));
    QVERIFY(QFile::setPermissions(m_folder + u'/' + kept[0], QFile::ReadOwner));
    QCOMPARE(contentsOf(m_folder + u'/' + kept[0]), good);
}

void TestHistoryFaults::readOnlyFolderBeforeTheFirstStore()
{
    const QString inside = m_folder + QStringLiteral("/not yet");
    QVERIFY(QFile::setPermissions(m_dir->path(), readOnlyFolder));
    QVERIFY(QFile::setPermissions(m_folder, readOnlyFolder));
    {
        OrdinaryUser user;
        QVERIFY(OrdinaryUser::active());
        PracticeHistory missing(inside);
        QVERIFY(!missing.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))));
        QCOMPARE(missing.lastError(),
                 QStringLiteral("This run could not be stored: the folder %1 could not be "
                                "created. The practice history is as it was.")
                     .arg(inside));
        PracticeHistory here(m_folder);
        QVERIFY(!here.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))));
        QCOMPARE(here.lastError(),
                 QStringLiteral("This run could not be stored: the folder %1 cannot be written "
                                "to. The practice history is as it was.")
                     .arg(m_folder));
        QCOMPARE(here.takeProblem(), QString());
    }
    QCOMPARE(namesIn(m_folder), QStringList());
}

void TestHistoryFaults::readOnlyFolderWithAHistory()
{
    {
        PracticeHistory history(m_folder);
        QVERIFY(history.store(madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"))));
    }
    const QStringList names = namesIn(m_folder);
    QCOMPARE(names, QStringList{QStringLiteral("history.sqlite")});
    const QByteArray before = contentsOf(path());
    QVERIFY(QFile::setPermissions(m_dir->path(), readOnlyFolder));
    QVERIFY(QFile::setPermissions(m_folder, readOnlyFolder));
    {
        OrdinaryUser user;
        QVERIFY(OrdinaryUser::active());
        PracticeHistory history(m_folder);
        QVERIFY(!history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))));
        QCOMPARE(history.lastError(),
                 QStringLiteral("This run could not be stored: the folder %1 cannot be written "
                                "to. The practice history is as it was.")
                     .arg(m_folder));
        QCOMPARE(history.takeProblem(), QString());
    }
    QCOMPARE(namesIn(m_folder), names);
    QCOMPARE(contentsOf(path()), before);
    QVERIFY(QFile::setPermissions(m_folder, openFolder));
    PracticeHistory history(m_folder);
    QCOMPARE(history.runCount(), std::optional<int>(1));
    QCOMPARE(history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))),
             std::optional<qint64>(2));
}

void TestHistoryFaults::storeAfterAFailedOneStartsAfresh()
{
    QVERIFY(QFile::setPermissions(m_dir->path(), openFolder));
    QVERIFY(QFile::setPermissions(m_folder, openFolder));
    OrdinaryUser user;
    // SQLite opens a file by its full path: an ordinary user can only keep a history where
    // the folders above are open to them.
    const QString full = QDir(m_folder).absolutePath();
    if (faccessat(AT_FDCWD, QFile::encodeName(full).constData(), X_OK, AT_EACCESS) != 0)
        QSKIP("the folders above the temporary one are closed to an ordinary user here");
    {
        PracticeHistory history(m_folder);
        QVERIFY(history.store(madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"))));
    }
    const QFile::Permissions readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(path(), readable));
    // One program: its store meets a file it may not write, then the file is mended.
    PracticeHistory history(m_folder);
    QVERIFY(!history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))));
    QVERIFY(QFile::setPermissions(path(), readable | QFile::WriteOwner));
    const std::optional<qint64> id =
        history.store(madeRun(QStringLiteral("T"), QStringLiteral("T")));
    QVERIFY2(id, qPrintable(history.lastError()));
    QCOMPARE(*id, 2);
    QCOMPARE(history.runCount(), std::optional<int>(2));
}

void TestHistoryFaults::storeThatOverrunsTheFileSizeLimitLeavesTheHistory()
{
    PracticeHistory history(m_folder);
    const RunRecord first = madeRun(QStringLiteral("SOS"), QStringLiteral("S-S"));
    QCOMPARE(history.store(first), std::optional<qint64>(1));
    std::optional<qint64> id;
    {
        // Files may grow to 256 KiB only, as on a disk that fills up during the store; the
        // run takes three megabytes.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = rlim_t(256) * 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
        id = history.store(madeRun(QString(1000000, u'E'), QString(1000000, u'E')));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    QVERIFY(!id);
    QVERIFY2(history.lastError().startsWith(QStringLiteral("This run could not be stored: the "
                                                           "disk could not be read or written")),
             qPrintable(history.lastError()));
    QVERIFY(history.lastError().endsWith(QStringLiteral("The practice history is as it was.")));
    QCOMPARE(history.runCount(), std::optional<int>(1));
    PracticeHistory other(m_folder);
    const auto runs = other.allRuns();
    QVERIFY(runs);
    QCOMPARE(runs->size(), std::size_t(1));
    QCOMPARE(runs->front().sent, QStringLiteral("SOS"));
    // And the history goes on.
    QCOMPARE(history.store(first), std::optional<qint64>(2));
    QCOMPARE(sqliteSays(path(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok\n"));
}

void TestHistoryFaults::storeOnAFullDiskLeavesTheHistory()
{
    // A small file system of its own, seen only by the writer, in a mount namespace that ends
    // with it; this needs root and the unshare tool.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (geteuid() != 0 || unshare.isEmpty())
        QSKIP("mounting a small file system needs root and unshare");
    QProcess writer;
    writer.start(unshare, {QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"),
                           QStringLiteral("mount -t tmpfs -o size=256k tmpfs \"$1\" && "
                                          "exec \"$2\" \"$1\" fill-disk"),
                           QStringLiteral("sh"), m_folder, QStringLiteral(HISTORY_WRITER)});
    QVERIFY(writer.waitForFinished(60000));
    const QString output = QString::fromUtf8(writer.readAllStandardOutput());
    const QString errors = QString::fromUtf8(writer.readAllStandardError());
    if (errors.contains(QStringLiteral("mount")) || errors.contains(QStringLiteral("unshare")))
        QSKIP(qPrintable(QStringLiteral("no small file system here: ") + errors));
    QCOMPARE(output, QStringLiteral("stored 1\n"
                                    "failed: This run could not be stored: the disk is full. "
                                    "The practice history is as it was.\n"
                                    "runs 1\n"
                                    "stored 2\n"));
    QCOMPARE(writer.exitCode(), 0);
    // Nothing of it reached the real folder.
    QCOMPARE(namesIn(m_folder), QStringList());
}

void TestHistoryFaults::failureInsideTheTransactionRollsBack()
{
    PracticeHistory history(m_folder);
    QCOMPARE(history.store(madeRun(QStringLiteral("SOS"), QStringLiteral("SOS"))),
             std::optional<qint64>(1));
    // The run's row is written, then the transaction fails before it commits.
    QVERIFY(runOnFile(path(), QStringLiteral("CREATE TRIGGER fail_after_insert AFTER INSERT ON "
                                             "runs BEGIN SELECT RAISE(ABORT, 'failure injected "
                                             "after the insert'); END")));
    QVERIFY(!history.store(madeRun(QStringLiteral("TMO"), QStringLiteral("TMO"))));
    QCOMPARE(history.lastError(),
             QStringLiteral("This run could not be stored: failure injected after the insert. The "
                            "practice history is as it was."));
    QCOMPARE(history.runCount(), std::optional<int>(1));
    QCOMPARE(sqliteSays(path(), QStringLiteral("SELECT id, sent FROM runs;")),
             QStringLiteral("1|SOS\n"));
    // No transaction was left open: once the fault is gone the same history stores again.
    QVERIFY(runOnFile(path(), QStringLiteral("DROP TRIGGER fail_after_insert")));
    QCOMPARE(history.store(madeRun(QStringLiteral("TMO"), QStringLiteral("TMO"))),
             std::optional<qint64>(2));
    QVERIFY(history.forgetAll());
}

void TestHistoryFaults::killedWhileStoringLeavesTheHistoryWhole()
{
    QProcess writer;
    writer.start(QStringLiteral(HISTORY_WRITER), {m_folder, QStringLiteral("then-big")});
    QVERIFY(writer.waitForStarted());
    QByteArray output;
    while (!output.contains("stored 1\n")) {
        QVERIFY2(writer.waitForReadyRead(30000), output.constData());
        output += writer.readAllStandardOutput();
    }
    // The second run has four million letters in each of three texts. Once its write-ahead log
    // has grown by two megabytes it is being written, and its commit has not come yet: that
    // is the moment of the kill.
    const QString log = path() + QStringLiteral("-wal");
    const qint64 start = sizeOf(log);
    QElapsedTimer timer;
    timer.start();
    while (sizeOf(log) < start + qint64(2) * 1024 * 1024) {
        QVERIFY2(writer.state() == QProcess::Running && timer.elapsed() < 60000,
                 "the writer ended before it was killed");
    }
    writer.kill();
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
    output += writer.readAllStandardOutput();
    QCOMPARE(output, QByteArray("stored 1\n"));

    // The next program finds the first run whole and nothing of the second.
    PracticeHistory history(m_folder);
    const auto runs = history.allRuns();
    QVERIFY2(runs, qPrintable(history.lastError()));
    QCOMPARE(runs->size(), std::size_t(1));
    QCOMPARE(runs->front().sent, QStringLiteral("SOS"));
    QCOMPARE(runs->front().outcomes.size(), std::size_t(3));
    QCOMPARE(history.takeProblem(), QString());
    QCOMPARE(history.store(madeRun(QStringLiteral("E"), QStringLiteral("E"))),
             std::optional<qint64>(2));
    QCOMPARE(sqliteSays(path(), QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok\n"));
}

QTEST_GUILESS_MAIN(TestHistoryFaults)
#include "test_historyfaults.moc"
