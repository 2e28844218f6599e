#include "app/messageboxes.h"

#include <QMessageBox>

namespace xingming::app {

namespace {

MessageBoxes* g_override = nullptr;

void show(QWidget* parent, const QString& text, QMessageBox::Icon icon, const QString& title = QStringLiteral("提示"))
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void DialogMessageBoxes::tip(QWidget* parent, const QString& text)
{
    show(parent, text, QMessageBox::Information);
}

void DialogMessageBoxes::warning(QWidget* parent, const QString& text)
{
    show(parent, text, QMessageBox::Warning);
}

void DialogMessageBoxes::titled(QWidget* parent, const QString& text, const QString& title)
{
    show(parent, text, QMessageBox::Information, title);
}

MessageBoxes& messageBoxes()
{
    static DialogMessageBoxes real;
    return g_override ? *g_override : real;
}

void setMessageBoxes(MessageBoxes* boxes)
{
    g_override = boxes;
}

} // namespace xingming::app
