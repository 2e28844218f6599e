// A link text of the small dialogs: underlined, dark blue (RGB 0, 0, 192), bold while
// the mouse has last moved over it. Only the weight changes; colour, underline and
// pointer stay.
#pragma once

#include <QLabel>

namespace xingming::app {

class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    // Takes the given font, underlined.
    LinkLabel(const QString& text, const QFont& font, QWidget* parent);

    void setHot(bool hot); // bold or regular
    bool isHot() const;

signals:
    void clicked(); // left button pressed and released over the text

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace xingming::app
