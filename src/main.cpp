#include "platform/qtplatform.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("blinket"));
    QApplication::setDesktopFileName(QStringLiteral("blinket"));
    blinket::QtPlatform platform;
    blinket::Form1 window(platform);
    window.show();
    return QApplication::exec();
}
