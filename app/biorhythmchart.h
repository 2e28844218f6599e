// One picture area of the biorhythm curves (Picture1, Picture2, Picture3): it paints the
// stored chart of one cycle, so the chart stays on screen when the window is covered and
// uncovered, and carries the cycle's index label near its upper right corner.
#pragma once

#include "fun/biorhythm.h"

#include <QFrame>

#include <optional>

class QLabel;

namespace xingming::app {

class BiorhythmChart : public QFrame {
    Q_OBJECT
public:
    explicit BiorhythmChart(QWidget* parent = nullptr);

    // Replaces the chart shown; the index label is the page's to set.
    void setDrawing(fun::ChartDrawing drawing);
    void clear();
    bool hasDrawing() const { return m_drawing.has_value(); }

    QLabel* indexLabel() const { return m_indexLabel; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A point of the chart's coordinate system in pixels of the picture.
    QPointF toPixels(const fun::ChartPoint& p) const;

    std::optional<fun::ChartDrawing> m_drawing;
    QLabel* m_indexLabel = nullptr;
};

} // namespace xingming::app
