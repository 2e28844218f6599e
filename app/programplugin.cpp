#include "app/programplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QStringList>

namespace xingming::app {

QObject* loadProgramPlugin(const QString& fileName, QString* why)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QStringList candidates{dir + QLatin1Char('/') + fileName,
                                 QDir::cleanPath(dir + QStringLiteral("/" XINGMING_PLUGIN_RELDIR "/") + fileName)};
    QString errors;
    for (const QString& path : candidates) {
        if (!QFile::exists(path))
            continue;
        QPluginLoader loader(path);
        if (QObject* instance = loader.instance())
            return instance;
        errors += loader.errorString() + QLatin1Char(' ');
    }
    if (why)
        *why = errors.isEmpty() ? candidates.join(QLatin1Char(' ')) + QStringLiteral(" not found") : errors;
    return nullptr;
}

} // namespace xingming::app
