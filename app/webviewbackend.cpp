#include "app/webviewbackend.h"

#include "app/programplugin.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>

// Qt's application-wide shared OpenGL context (exported by Qt GUI; the browser engine
// reads it).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace xingming::app {

namespace {

// The browser engine composes its pages with OpenGL contexts shared with one
// application-wide context. A program that links the engine gets that context made when
// the application starts; loading the engine later, we make it now, before the engine's
// first line runs, on the user-interface thread. Doing it here rather than at start keeps
// the OpenGL driver out of a program that never opens a page.
bool prepareSharedContext()
{
    if (qt_gl_global_share_context())
        return true;
    auto* context = new QOpenGLContext(qApp);
    context->setFormat(QSurfaceFormat::defaultFormat());
    if (!context->create()) {
        delete context;
        return false;
    }
    qt_gl_set_global_share_context(context);
    return true;
}

} // namespace

WebViewBackend* webViewBackend()
{
    static WebViewBackend* backend = []() -> WebViewBackend* {
        // The engine reports its set-up as information on standard error; a program that
        // works as it should writes nothing there.
        // Its browser core logs passing faults it recovers from (a GPU channel it
        // re-creates, say) unless told to keep to fatal ones; QTWEBENGINE_CHROMIUM_FLAGS
        // with a --log-level of its own still wins.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--log-level")) {
            flags += " --log-level=3";
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
        }
        if (!prepareSharedContext()) {
            qWarning("the browser views cannot start: no OpenGL context");
            return nullptr;
        }
        QString why;
        QObject* plugin = loadProgramPlugin(QStringLiteral("libxingming_webview.so"), &why);
        if (auto* b = qobject_cast<WebViewBackend*>(plugin))
            return b;
        qWarning("the browser views cannot start: %s",
                 qPrintable(plugin ? QStringLiteral("not the engine's plugin") : why));
        return nullptr;
    }();
    return backend;
}

} // namespace xingming::app
