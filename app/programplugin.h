// The program's plugins (the browser engine, the site): found beside the program in a
// build (the window tests have copies beside them) or in the installed library folder,
// named from the program's own folder so that the package can move.
#pragma once

#include <QString>

class QObject;

namespace xingming::app {

// The instance of the plugin fileName ("libxingming_webview.so"); nullptr where it cannot
// be loaded, with the reason in *why.
QObject* loadProgramPlugin(const QString& fileName, QString* why);

} // namespace xingming::app
