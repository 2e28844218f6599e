#include "widgets/istooltip.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace xingming::widgets {

namespace {

constexpr int kPadding = 6;
constexpr int kIconSize = 16;
constexpr int kStemHeight = 14;
constexpr int kStemWidth = 14;
constexpr int kRadius = 7;

bool isZero(const QColor& c)
{
    return !c.isValid() || (c.rgb() & 0xFFFFFFu) == 0;
}

QStyle::StandardPixmap titleIcon(int icon)
{
    switch (icon) {
    case 2:
        return QStyle::SP_MessageBoxWarning;
    case 3:
        return QStyle::SP_MessageBoxCritical;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

isToolTip::isToolTip(QWidget* owner, const Content& content)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_content(content), m_owner(owner)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFont(QToolTip::font());
    m_delay.setSingleShot(true);
    m_delay.setInterval(kInitialDelayMs);
    m_visible.setSingleShot(true);
    m_visible.setInterval(kVisibleMs);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        if (m_owner && m_owner->underMouse())
            popUp(QCursor::pos());
    });
    connect(&m_visible, &QTimer::timeout, this, &QWidget::hide);
    if (m_owner)
        m_owner->installEventFilter(this);
}

QColor isToolTip::backColour() const
{
    return isZero(m_content.back) ? QToolTip::palette().color(QPalette::ToolTipBase) : m_content.back;
}

QColor isToolTip::foreColour() const
{
    return isZero(m_content.fore) ? QToolTip::palette().color(QPalette::ToolTipText) : m_content.fore;
}

bool isToolTip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_owner) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            if (!isVisible())
                m_delay.start();
            break;
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            m_delay.stop();
            m_visible.stop();
            hide();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QSize isToolTip::contentSize() const
{
    const QFontMetrics fm(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics bm(bold);
    const QRect textRect = fm.boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::TextExpandTabs, m_content.text);
    int width = textRect.width();
    int height = textRect.height();
    if (!m_content.title.isEmpty() || m_content.icon != 0) {
        const int iconWidth = m_content.icon != 0 ? kIconSize + 4 : 0;
        width = std::max(width, iconWidth + bm.horizontalAdvance(m_content.title));
        height += std::max(bm.height(), m_content.icon != 0 ? kIconSize : 0) + 4;
    }
    return {width + 2 * kPadding, height + 2 * kPadding};
}

void isToolTip::layoutFor(const QPoint& globalPos)
{
    const QSize body = contentSize();
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);

    if (!m_content.balloon) {
        QPoint topLeft = globalPos + QPoint(2, 20);
        if (topLeft.y() + body.height() > area.bottom())
            topLeft.setY(globalPos.y() - body.height() - 4);
        topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - body.width())));
        setGeometry(QRect(topLeft, body));
        clearMask();
        return;
    }

    // Balloon: the body with a stem whose tip touches the mouse position.
    const QSize full(std::max(body.width(), 2 * kRadius + kStemWidth + 8), body.height() + kStemHeight);
    m_stemAbove = globalPos.y() + full.height() <= area.bottom();
    int left = std::clamp(globalPos.x() - kRadius - 4, area.left(), std::max(area.left(), area.right() - full.width()));
    m_stemX = std::clamp(globalPos.x() - left, kRadius, full.width() - kRadius - kStemWidth);
    const int top = m_stemAbove ? globalPos.y() : globalPos.y() - full.height();
    setGeometry(QRect(QPoint(left, top), full));

    QPainterPath path;
    const QRectF bodyRect(0, m_stemAbove ? kStemHeight : 0, full.width(), body.height());
    path.addRoundedRect(bodyRect, kRadius, kRadius);
    QPolygonF stem;
    if (m_stemAbove)
        stem << QPointF(m_stemX, kStemHeight + 3) << QPointF(m_stemX, 0)
             << QPointF(m_stemX + kStemWidth, kStemHeight + 3);
    else
        stem << QPointF(m_stemX, body.height() - 3) << QPointF(m_stemX, full.height())
             << QPointF(m_stemX + kStemWidth, body.height() - 3);
    path.addPolygon(stem);
    path.setFillRule(Qt::WindingFill);
    setMask(QRegion(path.simplified().toFillPolygon().toPolygon(), Qt::WindingFill));
}

void isToolTip::popUp(const QPoint& globalPos)
{
    if (m_content.text.isEmpty())
        return;
    m_lastPos = globalPos;
    layoutFor(globalPos);
    show();
    raise();
    m_visible.start();
    update();
}

void isToolTip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor back = backColour();
    const QColor fore = foreColour();
    const int bodyTop = m_content.balloon && m_stemAbove ? kStemHeight : 0;
    const int bodyHeight = m_content.balloon ? height() - kStemHeight : height();
    const QRect body(0, bodyTop, width(), bodyHeight);

    p.fillRect(rect(), back);
    p.setPen(fore);
    if (m_content.balloon) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
        QPolygonF stem;
        if (m_stemAbove)
            stem << QPointF(m_stemX, kStemHeight + 3) << QPointF(m_stemX + 0.5, 0.5)
                 << QPointF(m_stemX + kStemWidth, kStemHeight + 3);
        else
            stem << QPointF(m_stemX, body.bottom() - 2) << QPointF(m_stemX + 0.5, height() - 0.5)
                 << QPointF(m_stemX + kStemWidth, body.bottom() - 2);
        QPainterPath stemPath;
        stemPath.addPolygon(stem);
        stemPath.closeSubpath();
        p.drawPath(path.united(stemPath));
        p.setRenderHint(QPainter::Antialiasing, false);
    } else {
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    int y = body.top() + kPadding;
    const int x = kPadding;
    if (!m_content.title.isEmpty() || m_content.icon != 0) {
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics bm(bold);
        int tx = x;
        const int lineHeight = std::max(bm.height(), m_content.icon != 0 ? kIconSize : 0);
        if (m_content.icon != 0) {
            const QIcon icon = style()->standardIcon(titleIcon(m_content.icon), nullptr, this);
            icon.paint(&p, QRect(x, y + (lineHeight - kIconSize) / 2, kIconSize, kIconSize));
            tx += kIconSize + 4;
        }
        p.setFont(bold);
        p.drawText(QRect(tx, y, width() - tx - kPadding, lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_content.title);
        p.setFont(font());
        y += lineHeight + 4;
    }
    // Ampersands are text here, never mnemonics.
    p.drawText(QRect(x, y, width() - 2 * kPadding, body.bottom() - y),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, m_content.text);
}

} // namespace xingming::widgets
