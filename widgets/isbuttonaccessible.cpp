#include "widgets/isbuttonaccessible.h"

#include "widgets/isbutton.h"

#include <QAccessibleWidget>

namespace xingming::widgets {

namespace {

class isButtonAccessible : public QAccessibleWidget {
public:
    explicit isButtonAccessible(isButton* b) : QAccessibleWidget(b, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->caption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        if (button()->buttonType() == 1) {
            s.checkable = true;
            s.checked = button()->value();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && button()->isEnabled())
            emit button()->Click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    isButton* button() const { return static_cast<isButton*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(isButton::staticMetaObject.className()) && object && object->isWidgetType())
        return new isButtonAccessible(static_cast<isButton*>(object));
    return nullptr;
}

} // namespace

void installIsButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace xingming::widgets
