// The tooltip window of isButton: a topmost window that never takes the focus or activates,
// owned by its button and rebuilt on every mouse entry. It follows the button's mouse
// messages by itself: it pops up when the mouse rests over the button and goes away when
// the mouse leaves, a button is pressed or the button hides.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace xingming::widgets {

class isToolTip : public QWidget {
    Q_OBJECT
public:
    struct Content {
        QString text;
        QString title;        // bold line above the text; empty for none
        int icon = 0;         // beside the title: 0 none, 1 information, 2 warning, 3 error
        bool balloon = false; // ToolTipType 1
        QColor back;          // invalid: the system's tooltip colours
        QColor fore;
    };

    isToolTip(QWidget* owner, const Content& content);

    const Content& content() const { return m_content; }
    QColor backColour() const;
    QColor foreColour() const;

    // Shows the tooltip pointing at a global position (the mouse, normally). Does nothing
    // when there is no text.
    void popUp(const QPoint& globalPos);
    // Starts the initial delay, as a mouse movement over the owner does.
    void arm() { m_delay.start(); }

    static constexpr int kInitialDelayMs = 500;
    static constexpr int kVisibleMs = 5000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutFor(const QPoint& globalPos);
    QSize contentSize() const;

    Content m_content;
    QWidget* m_owner;
    QTimer m_delay;
    QTimer m_visible;
    QPoint m_lastPos;
    bool m_stemAbove = true; // balloon stem on the top edge, pointing up at the mouse
    int m_stemX = 0;
};

} // namespace xingming::widgets
