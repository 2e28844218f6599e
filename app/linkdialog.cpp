#include "app/linkdialog.h"

#include "app/linklabel.h"
#include "app/twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace xingming::app {

LinkDialog::LinkDialog(QWidget* parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true); // moves over the background without a button pressed
}

QPushButton* LinkDialog::addOkButton(int left, int top, int width, int height)
{
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(twipsRect(left, top, width, height, this));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    return m_ok;
}

void LinkDialog::mouseMoveEvent(QMouseEvent* event)
{
    // Moves over a child that tracks the mouse but passes the move on reach the dialog
    // too; only the bare background makes the links regular.
    if (!childAt(event->position().toPoint())) {
        for (LinkLabel* link : findChildren<LinkLabel*>())
            link->setHot(false);
    }
    QDialog::mouseMoveEvent(event);
}

void LinkDialog::keyPressEvent(QKeyEvent* event)
{
    if (m_ok && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_ok->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace xingming::app
