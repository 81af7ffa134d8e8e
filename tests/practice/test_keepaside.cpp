// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/keepaside.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace blinket;

namespace {

// 8 December 2026, 15:30:12 local time.
const QDateTime when(QDate(2026, 12, 8), QTime(15, 30, 12));

} // namespace

class TestKeepAside : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void movedUnderADatedName();
    void companionsMoveAlong();
    void takenNamesGetACounter_data();
    void takenNamesGetACounter();
    void nothingMovesWhenTheFolderIsReadOnly();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestKeepAside::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("history.sqlite"));
}

void TestKeepAside::cleanup()
{
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

void TestKeepAside::movedUnderADatedName()
{
    QVERIFY(writeFile(m_path, "not a database"));
    const QString kept = keepAside(m_path, QStringLiteral("unreadable"), when);
    QCOMPARE(kept, m_dir->filePath(QStringLiteral("history.sqlite.unreadable-20261208-153012")));
    QCOMPARE(namesIn(m_dir->path()),
             QStringList{QStringLiteral("history.sqlite.unreadable-20261208-153012")});
    QCOMPARE(contentsOf(kept), QByteArray("not a database"));
}

void TestKeepAside::companionsMoveAlong()
{
    QVERIFY(writeFile(m_path, "main"));
    QVERIFY(writeFile(m_path + QStringLiteral("-wal"), "log"));
    QVERIFY(writeFile(m_path + QStringLiteral("-shm"), "shared"));
    const QString kept = keepAside(m_path, QStringLiteral("newer"), when);
    const QString name = QStringLiteral("history.sqlite.newer-20261208-153012");
    QCOMPARE(kept, m_dir->filePath(name));
    QCOMPARE(namesIn(m_dir->path()),
             QStringList({name, name + QStringLiteral("-shm"), name + QStringLiteral("-wal")}));
    QCOMPARE(contentsOf(kept), QByteArray("main"));
    QCOMPARE(contentsOf(kept + QStringLiteral("-wal")), QByteArray("log"));
    QCOMPARE(contentsOf(kept + QStringLiteral("-shm")), QByteArray("shared"));
}

void TestKeepAside::takenNamesGetACounter_data()
{
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("kept");
    const QString stem = QStringLiteral("history.sqlite.unreadable-20261208-153012");
    QTest::newRow("the name") << QStringList{stem} << stem + QStringLiteral("-2");
    QTest::newRow("the name and -2")
        << QStringList{stem, stem + QStringLiteral("-2")} << stem + QStringLiteral("-3");
    QTest::newRow("only a companion's name")
        << QStringList{stem + QStringLiteral("-wal")} << stem + QStringLiteral("-2");
    QTest::newRow("-2's journal") << QStringList{stem, stem + QStringLiteral("-2-journal")}
                                  << stem + QStringLiteral("-3");
}

void TestKeepAside::takenNamesGetACounter()
{
    QFETCH(QStringList, taken);
    QFETCH(QString, kept);
    for (const QString &name : taken)
        QVERIFY(writeFile(m_dir->filePath(name), name.toUtf8()));
    QVERIFY(writeFile(m_path, "the bad one"));
    QCOMPARE(keepAside(m_path, QStringLiteral("unreadable"), when), m_dir->filePath(kept));
    QCOMPARE(contentsOf(m_dir->filePath(kept)), QByteArray("the bad one"));
    QVERIFY(!QFile::exists(m_path));
    // What was there before is untouched.
    for (const QString &name : taken)
        QCOMPARE(contentsOf(m_dir->filePath(name)), name.toUtf8());
}

void TestKeepAside::nothingMovesWhenTheFolderIsReadOnly()
{
    QVERIFY(writeFile(m_path, "main"));
    QVERIFY(writeFile(m_path + QStringLiteral("-wal"), "log"));
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(m_dir->path(), readOnly));
    const QStringList before = namesIn(m_dir->path());
    {
        OrdinaryUser user;
        QVERIFY(OrdinaryUser::active());
        QCOMPARE(keepAside(m_path, QStringLiteral("unreadable"), when), QString());
    }
    QCOMPARE(namesIn(m_dir->path()), before);
    QCOMPARE(contentsOf(m_path), QByteArray("main"));
    QCOMPARE(contentsOf(m_path + QStringLiteral("-wal")), QByteArray("log"));
}

QTEST_GUILESS_MAIN(TestKeepAside)
#include "test_keepaside.moc"
