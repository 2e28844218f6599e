#include "app/webviewbackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>

namespace xingming::app {

namespace {

// Where the plugin lives: beside the program in a build, in lib/xingming when installed,
// and in the build tree for the tests.
QStringList pluginCandidates()
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("libxingming_webview.so");
    QStringList places{dir + QLatin1Char('/') + name, dir + QStringLiteral("/../lib/xingming/") + name};
#ifdef XINGMING_WEBVIEW_BUILD_PATH
    places << QStringLiteral(XINGMING_WEBVIEW_BUILD_PATH);
#endif
    return places;
}

} // namespace

WebViewBackend* webViewBackend()
{
    static WebViewBackend* backend = [] () -> WebViewBackend* {
        QString errors;
        for (const QString& path : pluginCandidates()) {
            if (!QFile::exists(path))
                continue;
            QPluginLoader loader(path);
            if (auto* b = qobject_cast<WebViewBackend*>(loader.instance()))
                return b;
            errors += loader.errorString() + QLatin1Char(' ');
        }
        qWarning("the browser views cannot start: %s", qPrintable(errors.isEmpty() ? pluginCandidates().join(QLatin1Char(' ')) + QStringLiteral(" not found") : errors));
        return nullptr;
    }();
    return backend;
}

} // namespace xingming::app
