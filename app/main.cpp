// xingming: the desktop program. Starting it shows the main window; there is no other
// start routine.
#include "app/zyindexform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xingming"));
    QApplication::setApplicationDisplayName(QStringLiteral("姓名测试与取名"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/xingming.svg")));
    xingming::app::zyIndexForm w;
    w.show();
    return QApplication::exec();
}
