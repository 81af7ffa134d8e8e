#include "platform/errorguard.h"
#include "recordingreporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace blinket;

class TestErrorGuard : public QObject
{
    Q_OBJECT
private slots:
    void passesQuietHandlersThrough();
    void reportsEscapedErrorsAndGoesOn();
    void restoresBeforeReporting();
    void nestedHandlersReportOnTheirOwn();
    void messageBoxShowsTheReport();
};

void TestErrorGuard::passesQuietHandlersThrough()
{
    RecordingReporter reporter;
    ErrorGuard guard(reporter);
    int calls = 0;
    bool recovered = false;
    guard.run([&] { ++calls; }, [&] { recovered = true; });
    QCOMPARE(calls, 1);
    QVERIFY(!recovered);
    QVERIFY(reporter.reports.isEmpty());
}

void TestErrorGuard::reportsEscapedErrorsAndGoesOn()
{
    RecordingReporter reporter;
    ErrorGuard guard(reporter);
    guard.run([] { throw RuntimeError::typeMismatch(); });
    guard.run([] { throw RuntimeError::overflow(); });
    bool ranAfterwards = false;
    guard.run([&] { ranAfterwards = true; });
    QCOMPARE(reporter.reports, QStringList({QStringLiteral("Run-time error '13': Type mismatch"),
                                            QStringLiteral("Run-time error '6': Overflow")}));
    QVERIFY(ranAfterwards);
}

void TestErrorGuard::restoresBeforeReporting()
{
    QStringList order;
    struct OrderReporter : ErrorReporter
    {
        QStringList *order;
        void report(const RuntimeError &) override { *order << QStringLiteral("report"); }
    } reporter;
    reporter.order = &order;
    ErrorGuard guard(reporter);
    guard.run([] { throw RuntimeError::divisionByZero(); },
              [&] { order << QStringLiteral("recover"); });
    QCOMPARE(order, QStringList({QStringLiteral("recover"), QStringLiteral("report")}));
}

void TestErrorGuard::nestedHandlersReportOnTheirOwn()
{
    RecordingReporter reporter;
    ErrorGuard guard(reporter);
    bool outerFinished = false;
    guard.run([&] {
        guard.run([] { throw RuntimeError::overflow(); });
        outerFinished = true;
    });
    QVERIFY(outerFinished);
    QCOMPARE(reporter.reports.size(), 1);
}

void TestErrorGuard::messageBoxShowsTheReport()
{
    QWidget window;
    MessageBoxReporter reporter(&window);
    ErrorGuard guard(reporter);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        box->accept();
    });
    guard.run([] { throw RuntimeError::typeMismatch(); });
    QCOMPARE(shown, QStringLiteral("Run-time error '13': Type mismatch"));
}

QTEST_MAIN(TestErrorGuard)
#include "test_errorguard.moc"
