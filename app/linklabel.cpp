#include "app/linklabel.h"

#include <QMouseEvent>

namespace xingming::app {

LinkLabel::LinkLabel(const QString& text, const QFont& font, QWidget* parent) : QLabel(text, parent)
{
    QFont f = font;
    f.setUnderline(true);
    f.setBold(false);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    setPalette(pal);
    setMouseTracking(true); // moves without a button pressed make the text bold
}

void LinkLabel::setHot(bool hot)
{
    if (font().bold() == hot)
        return;
    QFont f = font();
    f.setBold(hot);
    setFont(f);
}

bool LinkLabel::isHot() const
{
    return font().bold();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    setHot(true);
    event->accept(); // a move over the link is not a move over the dialog's background
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace xingming::app
