// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "maderuns.h"
#include "practice/practicehistory.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace blinket;

class TestHistorySharing : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void twoHistoriesTakeTurns();
    void twoThreadsStoreAtOnce();
    void twoProgramsStoreAtOnce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void TestHistorySharing::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->filePath(QStringLiteral("blinket"));
}

void TestHistorySharing::cleanup()
{
    m_dir.reset();
}

void TestHistorySharing::twoHistoriesTakeTurns()
{
    PracticeHistory first(m_folder);
    PracticeHistory second(m_folder);
    QList<qint64> ids;
    for (int turn = 0; turn < 10; ++turn) {
        const auto a = first.store(madeRun(QStringLiteral("EISH"), QStringLiteral("EISH"), turn));
        QVERIFY2(a, qPrintable(first.lastError()));
        const auto b = second.store(madeRun(QStringLiteral("TMO"), QStringLiteral("T-O"), turn));
        QVERIFY2(b, qPrintable(second.lastError()));
        ids << *a << *b;
        // Each sees the other's runs at once.
        QCOMPARE(first.runCount(), std::optional<int>(2 * turn + 2));
    }
    QCOMPARE(ids, (QList<qint64>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    const auto runs = second.allRuns();
    QVERIFY(runs);
    QCOMPARE(runs->size(), std::size_t(20));
    // Same start minute for each pair: the one stored first comes first.
    QCOMPARE(runs->at(0).sent, QStringLiteral("EISH"));
    QCOMPARE(runs->at(1).sent, QStringLiteral("TMO"));
}

void TestHistorySharing::twoThreadsStoreAtOnce()
{
    constexpr int each = 100;
    std::array<QStringList, 2> failures;
    std::array<int, 2> stored{};
    // Both start on a folder with no history, so both race to create it too.
    auto storeMany = [&](int thread) {
        PracticeHistory history(m_folder);
        const QString letters = thread == 0 ? QStringLiteral("AAAA") : QStringLiteral("BBB");
        for (int i = 0; i < each; ++i) {
            if (history.store(madeRun(letters, letters, i)))
                ++stored[std::size_t(thread)];
            else
                failures[std::size_t(thread)] << history.lastError();
        }
    };
    std::thread one(storeMany, 0);
    std::thread two(storeMany, 1);
    one.join();
    two.join();
    QCOMPARE(failures[0], QStringList());
    QCOMPARE(failures[1], QStringList());
    QCOMPARE(stored[0], each);
    QCOMPARE(stored[1], each);
    PracticeHistory history(m_folder);
    const auto runs = history.allRuns();
    QVERIFY(runs);
    QCOMPARE(runs->size(), std::size_t(2 * each));
    int fromOne = 0;
    for (const RunRecord &run : *runs)
        fromOne += run.sent == u"AAAA" ? 1 : 0;
    QCOMPARE(fromOne, each);
}

void TestHistorySharing::twoProgramsStoreAtOnce()
{
    constexpr int each = 40;
    std::array<QProcess, 2> writers;
    for (QProcess &writer : writers)
        writer.start(QStringLiteral(HISTORY_WRITER),
                     {m_folder, QStringLiteral("many"), QString::number(each)});
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(60000));
        const QString output = QString::fromUtf8(writer.readAllStandardOutput());
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QVERIFY2(writer.exitCode() == 0, qPrintable(output));
        QCOMPARE(output.count(QStringLiteral("stored ")), each);
    }
    PracticeHistory history(m_folder);
    QCOMPARE(history.runCount(), std::optional<int>(2 * each));
}

QTEST_GUILESS_MAIN(TestHistorySharing)
#include "test_historysharing.moc"
