#include "app/biorhythmchart.h"

#include "app/funpageutil.h"
#include "app/twips.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>

#include <utility>

namespace xingming::app {

namespace {

// A colour given as blue·65536 + green·256 + red.
QColor fromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

BiorhythmChart::BiorhythmChart(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(twipsSize(7680, 3060, this));
    setFont(songFont(9));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    m_indexLabel = new QLabel(this);
    m_indexLabel->setFont(songFont(10.5));
    funpage::setTextColour(m_indexLabel, QColor(0, 0, 255));
    m_indexLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    const QRect r = contentsRect();
    const int w = twipsToPixels(3000, this);
    m_indexLabel->setGeometry(r.right() - w - twipsToPixels(90, this), r.top() + twipsToPixels(60, this), w,
                              twipsToPixels(300, this));
}

void BiorhythmChart::setDrawing(fun::ChartDrawing drawing)
{
    m_drawing = std::move(drawing);
    update();
}

void BiorhythmChart::clear()
{
    m_drawing.reset();
    update();
}

QPointF BiorhythmChart::toPixels(const fun::ChartPoint& p) const
{
    const fun::ChartDrawing& g = *m_drawing;
    const QRectF r = contentsRect();
    return {r.left() + (p.x - g.left) * r.width() / (g.right - g.left),
            r.top() + (p.y - g.top) * r.height() / (g.bottom - g.top)};
}

void BiorhythmChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    if (!m_drawing)
        return;
    const fun::ChartDrawing& g = *m_drawing;
    painter.setClipRect(contentsRect());
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QColor foreground = palette().color(QPalette::WindowText);
    painter.setPen(QPen(foreground, 1));
    for (const fun::ChartLine& line : g.lines)
        painter.drawLine(QLineF(toPixels(line.from), toPixels(line.to)));

    // Texts are placed by their top left corner.
    const QFontMetricsF metrics(font());
    for (const fun::ChartText& text : g.texts) {
        const QPointF at = toPixels(text.topLeft);
        painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), qs(text.text));
    }

    QPolygonF curve;
    curve.reserve(static_cast<qsizetype>(g.curve.size()));
    for (const fun::ChartPoint& p : g.curve)
        curve << toPixels(p);
    painter.drawPolyline(curve);

    painter.setPen(QPen(fromBgr(fun::kMarkerColour), 1));
    for (const fun::ChartLine& line : g.marker)
        painter.drawLine(QLineF(toPixels(line.from), toPixels(line.to)));
}

} // namespace xingming::app
