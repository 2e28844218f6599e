// xingming-pageview PATH: starts the site as the desktop program does and shows one of
// its pages in a browser view, for looking at the pages (and taking screenshots of them).
#include "site/siteserver.h"

#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QString base = xingming::site::VendorSite::instance().ensureStarted();
    if (base.isEmpty()) {
        std::fprintf(stderr, "xingming-pageview: the site could not start\n");
        return 1;
    }
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/");
    QWebEngineView view;
    view.resize(1180, 880);
    view.move(0, 0);
    view.setUrl(QUrl(base + path));
    view.show();
    return QApplication::exec();
}
