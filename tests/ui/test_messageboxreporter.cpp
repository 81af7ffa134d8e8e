// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/errorguard.h"
#include "ui/main/messageboxreporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace blinket;

class TestMessageBoxReporter : public QObject
{
    Q_OBJECT
private slots:
    void showsTheReportOverTheWindow();
};

void TestMessageBoxReporter::showsTheReportOverTheWindow()
{
    QWidget window;
    MessageBoxReporter reporter(&window);
    ErrorGuard guard(reporter);
    QString shown;
    QWidget *parent = nullptr;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        parent = box->parentWidget();
        box->accept();
    });
    guard.run([] { throw RuntimeError::typeMismatch(); });
    QCOMPARE(shown, QStringLiteral("Run-time error '13': Type mismatch"));
    QCOMPARE(parent, &window);
}

QTEST_MAIN(TestMessageBoxReporter)
#include "test_messageboxreporter.moc"
