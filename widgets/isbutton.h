// isButton: the owner-drawn push button of every window. It paints itself in one of eleven
// styles (isbuttonstyle.h), tracks the mouse for its hot state, shows its own tooltip, can be
// a two-state (check) button, and raises Click, MouseEnter and MouseLeave. Its properties
// are saved to and loaded from a property bag by name.
//
// It is a QAbstractButton, so that assistive technology and Qt see a push button: the
// caption is the button's text (an "&" marks the mnemonic, "&&" is a literal ampersand), a
// check button is checkable with Value as its checked state, and QAbstractButton::click(),
// animateClick() and the mnemonic activate it like a left click. The press, release and key
// rules are the button's own (see the mouse and keyboard handlers): QAbstractButton's
// handling of them is not used. Every activation raises Click between QAbstractButton's
// pressed() and its released() and clicked(). QAbstractButton's icon and iconSize are not
// drawn; Icon and IconSize are.
#pragma once

#include "widgets/isbuttonstyle.h"
#include "widgets/isbuttontypes.h"
#include "widgets/propertybag.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QRegion>

#include <functional>

class QStyle;

namespace xingming::widgets {

class isToolTip;

class isButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(int Style READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap Icon READ icon WRITE setIcon)
    Q_PROPERTY(int IconAlign READ iconAlign WRITE setIconAlign)
    Q_PROPERTY(int IconSize READ iconSize WRITE setIconSize)
    Q_PROPERTY(int CaptionAlign READ captionAlign WRITE setCaptionAlign)
    Q_PROPERTY(int NonThemeStyle READ nonThemeStyle WRITE setNonThemeStyle)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool IconVisible READ iconVisible WRITE setIconVisible)
    Q_PROPERTY(bool ShowFocus READ showFocus WRITE setShowFocus)
    Q_PROPERTY(bool UseCustomColors READ useCustomColors WRITE setUseCustomColors)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor HighlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QColor FontHighlightColor READ fontHighlightColor WRITE setFontHighlightColor)
    Q_PROPERTY(QString ToolTip READ buttonToolTip WRITE setButtonToolTip)
    Q_PROPERTY(QString ToolTipTitle READ toolTipTitle WRITE setToolTipTitle)
    Q_PROPERTY(int ToolTipIcon READ toolTipIcon WRITE setToolTipIcon)
    Q_PROPERTY(int ToolTipType READ toolTipType WRITE setToolTipType)
    Q_PROPERTY(QColor ToolTipBackColor READ toolTipBackColor WRITE setToolTipBackColor)
    Q_PROPERTY(QColor ToolTipForeColor READ toolTipForeColor WRITE setToolTipForeColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(int ButtonType READ buttonType WRITE setButtonType)
    Q_PROPERTY(bool Value READ value WRITE setValue)

public:
    enum class State : int { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4 };
    Q_ENUM(State)

    // Decides whether the platform's push-button theme can be drawn with a style.
    using ThemeProbe = std::function<bool(const QStyle*)>;
    // Looks for the platform's mouse-leave tracking service.
    using TrackingProbe = std::function<bool()>;

    explicit isButton(QWidget* parent = nullptr);
    ~isButton() override;

    // Properties. A setter given a value outside its range (isbuttontypes.h) keeps the old
    // value.
    int buttonStyle() const { return number(m_style); }
    void setButtonStyle(int style); // a ButtonStyle
    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    QPixmap icon() const { return m_icon; }
    void setIcon(const QPixmap& icon);
    int iconAlign() const { return number(m_iconAlign); }
    void setIconAlign(int align); // an Align: 0 centre, 1 left, 2 right, 3 top, 4 bottom
    int iconSize() const { return m_iconSize; }
    void setIconSize(int size); // kIconSizeRange, pixels
    int captionAlign() const { return number(m_captionAlign); }
    void setCaptionAlign(int align); // as IconAlign
    int nonThemeStyle() const { return number(m_nonThemeStyle); }
    void setNonThemeStyle(int style); // a ButtonStyle
    bool iconVisible() const { return m_iconVisible; }
    void setIconVisible(bool visible);
    bool showFocus() const { return m_showFocus; }
    void setShowFocus(bool show);
    bool useCustomColors() const { return m_useCustomColors; }
    void setUseCustomColors(bool use);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& c);
    QColor highlightColor() const { return m_highlightColor; }
    void setHighlightColor(const QColor& c);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& c);
    QColor fontHighlightColor() const { return m_fontHighlightColor; }
    void setFontHighlightColor(const QColor& c);
    QString buttonToolTip() const { return m_toolTip; }
    void setButtonToolTip(const QString& text); // takes effect at the next mouse entry
    QString toolTipTitle() const { return m_toolTipTitle; }
    void setToolTipTitle(const QString& title);
    int toolTipIcon() const { return number(m_toolTipIcon); }
    void setToolTipIcon(int icon); // a TipIcon: 0 none, 1 information, 2 warning, 3 error
    int toolTipType() const { return number(m_toolTipType); }
    void setToolTipType(int type);                                 // a TipShape: 0 rectangle, 1 balloon
    QColor toolTipBackColor() const { return m_toolTipBackColor; } // black (0): the system's colour
    void setToolTipBackColor(const QColor& c);
    QColor toolTipForeColor() const { return m_toolTipForeColor; }
    void setToolTipForeColor(const QColor& c);
    int buttonType() const { return number(m_buttonType); }
    void setButtonType(int type); // a ButtonKind: 0 push button, 1 check button
    bool value() const { return m_value; }
    void setValue(bool value);

    // Saving and loading by the saved keys; see isbutton.cpp for the keys and the values of
    // missing keys. Loading decides whether mouse tracking is available.
    PropertyBag saveProperties() const; // clears the changed mark
    void loadProperties(const PropertyBag& bag);
    bool isChanged() const { return m_changed; } // a property was set since the last save or load

    // Run-time state.
    State state() const { return m_state; }
    State paintedState() const; // after design mode, an animated click, a check button's Value and disabling
    bool hasFocusFlag() const { return m_focus; }
    bool isTracking() const { return m_tracking; }
    bool trackingAvailable() const { return m_trackingAvailable; }
    void setTrackingAvailable(bool available); // off: no hot state, no enter/leave, no tooltip
    bool designMode() const { return m_designMode; }
    void setDesignMode(bool design);
    isToolTip* toolTipWindow() const; // the current tooltip window, if any

    // Results of the resize step.
    QRect outerRect() const;
    QRect captionRect() const;
    int captionFormat() const; // Qt::Alignment and Qt::TextSingleLine (the mnemonic is added when drawn)
    QRegion windowRegion();    // applies the current size to the window shape first
    int minimumPixels(Qt::Orientation o) const; // 300 twips at the screen's resolution

    // Debug and gallery hook: shows a state until the next event changes it.
    void forceState(State state);

    QSize sizeHint() const override;

    static void setThemeProbe(ThemeProbe probe);       // empty: the default probe
    static void setTrackingProbe(TrackingProbe probe); // empty: the default probe

public slots:
    void Refresh();

signals:
    void Click();
    void MouseEnter();
    void MouseLeave();

protected:
    bool event(QEvent* e) override;
    void nextCheckState() override; // one activation: Value, state and Click
    void checkStateSet() override;  // setChecked() from outside sets Value
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void changed();    // marks the button changed and repaints
    void resizeStep(); // theme fallback, region and mask; repaints
    QRegion regionForSize() const;
    void resolveThemeFallback();
    bool themeAvailable() const;
    void decideTracking();
    void updateMinimumSize();

    void buttonDown();              // left button or space down
    void buttonUp(bool overButton); // left button or space up
    State restingState() const;     // hot while the mouse is over the button
    void beginHover();
    void endHover();
    void rebuildToolTip();
    void moveHolderToolTip();

    void paintButton(QImage& image);
    void paintThemed(QPainter& p, State state);

    // Properties.
    ButtonStyle m_style = ButtonStyle::Classic;
    bool m_captionSet = false; // the caption is QAbstractButton's text
    QPixmap m_icon;
    Align m_iconAlign = Align::Centre;
    int m_iconSize = 16;
    Align m_captionAlign = Align::Centre;
    ButtonStyle m_nonThemeStyle = ButtonStyle::Classic;
    bool m_iconVisible = false;
    bool m_showFocus = false;
    bool m_useCustomColors = false;
    QColor m_backColor, m_highlightColor, m_fontColor, m_fontHighlightColor;
    QString m_toolTip;
    QString m_toolTipTitle;
    TipIcon m_toolTipIcon = TipIcon::None;
    TipShape m_toolTipType = TipShape::Rectangle;
    QColor m_toolTipBackColor{0, 0, 0};
    QColor m_toolTipForeColor{0, 0, 0};
    ButtonKind m_buttonType = ButtonKind::Push;
    bool m_value = false;

    // State.
    State m_state = State::Normal;
    bool m_focus = false;
    bool m_tracking = false;
    Qt::MouseButton m_lastButton = Qt::NoButton;
    bool m_trackingAvailable = true;
    bool m_designMode = false;
    bool m_suppressClick = false; // the release after a double click raises no Click
    bool m_spaceDown = false;
    mutable bool m_changed = false; // saving clears it
    bool m_movingToolTip = false;
    QPointer<isToolTip> m_toolTipWindow;
    QRegion m_region; // the window region of the last resize step
};

} // namespace xingming::widgets
