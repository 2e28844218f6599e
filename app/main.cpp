// xingming: the desktop program. Starting it shows the main window; there is no other
// start routine.
#include "app/zyindexform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // No application display name: Qt would append it to every window title, and the
    // windows carry exactly their own titles (the notice dialog none at all).
    QApplication::setApplicationName(QStringLiteral("xingming"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/xingming.svg")));
    xingming::app::zyIndexForm w;
    w.show();
    return QApplication::exec();
}
