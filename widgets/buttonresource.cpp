#include "widgets/buttonresource.h"

#include "widgets/isbutton.h"

#include <QFile>
#include <QFileInfo>

// Q_INIT_RESOURCE declares its initialiser in the enclosing namespace, so it is called here,
// outside ours.
static void initWidgetsQrc()
{
    Q_INIT_RESOURCE(widgets);
}

namespace xingming::widgets {

void initWidgetsResources()
{
    static const bool done = (initWidgetsQrc(), true);
    (void)done;
}

std::optional<PropertyBag> readButtonDefinition(const QString& path, QString* error)
{
    initWidgetsResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    QString why;
    auto bag = PropertyBag::fromText(QString::fromUtf8(file.readAll()), &why);
    if (!bag && error)
        *error = path + QStringLiteral(": ") + why;
    return bag;
}

isButton* createButtonFromResource(const QString& resourcePath, QWidget* parent, QString* error)
{
    const auto bag = readButtonDefinition(resourcePath, error);
    if (!bag)
        return nullptr;
    auto* button = new isButton(parent);
    button->setObjectName(QFileInfo(resourcePath).completeBaseName());
    button->loadProperties(*bag);
    if (error)
        error->clear();
    return button;
}

} // namespace xingming::widgets
