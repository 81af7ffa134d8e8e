// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/desktopurlopener.h"
#include "platform/runtimeerror.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

using namespace blinket;

class TestDesktopUrlOpener : public QObject
{
    Q_OBJECT
public slots:
    // Stands in for the desktop's handler of web addresses.
    void receive(const QUrl &url) { received << url; }

private slots:
    void handsTheAddressToTheDesktop();
    void noOpenerIsFileNotFound();

private:
    QList<QUrl> received;
};

void TestDesktopUrlOpener::handsTheAddressToTheDesktop()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "receive");
    DesktopUrlOpener opener;
    opener.open(QStringLiteral("http://www.corvale.example/comunicat/blinket_dn_load.htm"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(received, QList<QUrl>{QUrl(QStringLiteral(
                           "http://www.corvale.example/comunicat/blinket_dn_load.htm"))});
}

void TestDesktopUrlOpener::noOpenerIsFileNotFound()
{
    // The offscreen platform the tests run on has no way to open an address at all.
    DesktopUrlOpener opener;
    int number = 0;
    try {
        opener.open(QStringLiteral("http://www.corvale.example"));
    } catch (const RuntimeError &error) {
        number = error.number();
        QCOMPARE(error.report(), QStringLiteral("Run-time error '53': File not found: no web "
                                                "browser could be started to open "
                                                "http://www.corvale.example"));
    }
    QCOMPARE(number, 53);
}

QTEST_MAIN(TestDesktopUrlOpener)
#include "test_desktopurlopener.moc"
