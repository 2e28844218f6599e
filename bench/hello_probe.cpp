// The floor that the desktop program's start-up is measured against: the smallest Qt
// program that shows what the main window shows first, a window with a Chinese label in
// the program's Song face, started with the same application settings as app/main.cpp
// (application name, window icon). startup_probe measures it the same way as the program:
//   xvfb-run -a build/release/bench/startup_probe build/release/app/xingming build/release/bench/hello_probe
// (tools/bench-startup-gui.sh runs both and prints the medians).
#include "app/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QWidget>

static void initAppResources()
{
    Q_INIT_RESOURCE(resources);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xingming"));
    initAppResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/xingming.svg")));
    xingming::app::installSongFont();

    QWidget w;
    w.setWindowTitle(QStringLiteral("姓名测试与取名"));
    w.resize(610, 464);
    auto* label = new QLabel(QStringLiteral("欢迎使用姓名测试与取名。"), &w);
    label->move(20, 20);
    w.show();
    return QApplication::exec();
}
