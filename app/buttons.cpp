#include "app/buttons.h"

#include "widgets/buttonresource.h"

namespace xingming::app {

widgets::isButton* makeButton(const char* definition, const char* name, QWidget* parent)
{
    QString error;
    widgets::isButton* b = widgets::createButtonFromResource(
        QStringLiteral(":/widgets/buttons/") + QString::fromLatin1(definition) + QStringLiteral(".btn"), parent,
        &error);
    // The definitions are compiled in; a button without one still works with the defaults.
    if (!b) {
        qWarning("button definition %s: %s", definition, qPrintable(error));
        b = new widgets::isButton(parent);
    }
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace xingming::app
