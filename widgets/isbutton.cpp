#include "widgets/isbutton.h"

#include "widgets/colorops.h"
#include "widgets/istooltip.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <utility>

namespace xingming::widgets {

using colour::opaque;

namespace {

// Saved keys, spelled as the window definitions have always spelled them.
const QString kStyle = QStringLiteral("Style");
const QString kCaption = QStringLiteral("Caption");
const QString kIcon = QStringLiteral("Icon");
const QString kIconAlign = QStringLiteral("IconAlign");
const QString kIconSize = QStringLiteral("IconSize");
const QString kCaptionAlign = QStringLiteral("CaptionAlign");
const QString kNonThemeStyle = QStringLiteral("iNonThemeStyle");
const QString kEnabled = QStringLiteral("Enabled");
const QString kIconVisible = QStringLiteral("IconVisible");
const QString kShowFocus = QStringLiteral("ShowFocus");
const QString kUseCustomColors = QStringLiteral("USeCustomColors");
const QString kBackColor = QStringLiteral("BackColor");
const QString kHighlightColor = QStringLiteral("HighlightColor");
const QString kFontColor = QStringLiteral("FontColor");
const QString kFontHighlightColor = QStringLiteral("FontHighlightColor");
const QString kToolTipText = QStringLiteral("ToolTipText");
const QString kToolTipTitle = QStringLiteral("Tooltiptitle");
const QString kToolTipIcon = QStringLiteral("ToolTipIcon");
const QString kToolTipType = QStringLiteral("ToolTipType");
const QString kTtBackColor = QStringLiteral("ttBackColor");
const QString kTtForeColor = QStringLiteral("ttForeColor");
const QString kFont = QStringLiteral("Font");
const QString kButtonType = QStringLiteral("ButtonType");
const QString kValue = QStringLiteral("Value");

// Values of missing keys that do not depend on the system.
constexpr ButtonStyle kMissingStyle = ButtonStyle::Panel;
constexpr int kMissingIconSize = 16;
constexpr ButtonStyle kMissingNonThemeStyle = ButtonStyle::Rounded;
constexpr TipShape kMissingToolTipType = TipShape::Balloon;

constexpr int kMinimumTwips = 300;
constexpr int kTwipsPerInch = 1440;
constexpr QRgb kIconShadow = qRgb(128, 128, 128);

isButton::ThemeProbe& themeProbe()
{
    static isButton::ThemeProbe probe;
    return probe;
}

isButton::TrackingProbe& trackingProbe()
{
    static isButton::TrackingProbe probe;
    return probe;
}

// The classic "windows" style draws bevels of its own and no platform theme part.
bool defaultThemeProbe(const QStyle* style)
{
    return style && style->name().compare(QStringLiteral("windows"), Qt::CaseInsensitive) != 0;
}

// Qt delivers the leave notice on every platform, so the service is there.
bool defaultTrackingProbe()
{
    return true;
}

bool sameColour(const QColor& a, const QColor& b)
{
    return opaque(a.rgb()) == opaque(b.rgb());
}

// A system colour as the active window shows it (a disabled button must not see its own
// greyed palette here).
QColor systemColour(const QPalette& pal, QPalette::ColorRole role)
{
    return QColor(opaque(pal.color(QPalette::Active, role).rgb()));
}

int alignmentFlags(Align align)
{
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Top:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Bottom:
        return Qt::AlignHCenter | Qt::AlignBottom;
    case Align::Centre:
        break;
    }
    return Qt::AlignCenter;
}

// Typed reads of a loaded bag. A value of the wrong kind or out of range counts as missing.
std::optional<qlonglong> readNumber(const PropertyBag& bag, const QString& key)
{
    const QVariant v = bag.read(key);
    if (!v.isValid() || v.typeId() == QMetaType::Bool)
        return std::nullopt;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

int readInt(const PropertyBag& bag, const QString& key, int missing, IntRange range)
{
    const auto n = readNumber(bag, key);
    return n && range.contains(*n) ? static_cast<int>(*n) : missing;
}

template <typename E> E readEnum(const PropertyBag& bag, const QString& key, E missing)
{
    const auto n = readNumber(bag, key);
    return n ? fromNumber<E>(*n).value_or(missing) : missing;
}

bool readBool(const PropertyBag& bag, const QString& key, bool missing)
{
    const QVariant v = bag.read(key);
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
        return v.toLongLong() != 0;
    case QMetaType::QString: {
        const QString s = v.toString().trimmed();
        if (s.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
            return false;
        return missing;
    }
    default:
        return missing;
    }
}

QColor readColour(const PropertyBag& bag, const QString& key, const QColor& missing)
{
    const QVariant v = bag.read(key);
    QColor c;
    if (v.typeId() == QMetaType::QColor)
        c = v.value<QColor>();
    else if (v.typeId() == QMetaType::QString)
        c = QColor::fromString(v.toString());
    return c.isValid() ? QColor(opaque(c.rgb())) : missing;
}

QString readText(const PropertyBag& bag, const QString& key, const QString& missing)
{
    const QVariant v = bag.read(key);
    return v.typeId() == QMetaType::QString ? v.toString() : missing;
}

// An "&" in the caption marks the mnemonic ("&&" is one ampersand), underlined where the
// platform style underlines shortcuts.
int mnemonicFlag(const QWidget* w)
{
    return w->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, w) ? Qt::TextShowMnemonic
                                                                           : Qt::TextHideMnemonic;
}

// The caption as drawn: "&" before a character is the mnemonic mark, "&&" one ampersand.
QString shownCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QPixmap readPicture(const PropertyBag& bag, const QString& key)
{
    const QVariant v = bag.read(key);
    switch (v.typeId()) {
    case QMetaType::QPixmap:
        return v.value<QPixmap>();
    case QMetaType::QImage:
        return QPixmap::fromImage(v.value<QImage>());
    case QMetaType::QByteArray: {
        QPixmap p;
        p.loadFromData(v.toByteArray());
        return p;
    }
    default:
        return {};
    }
}

QFont readFont(const PropertyBag& bag, const QString& key, const QFont& missing)
{
    const QVariant v = bag.read(key);
    if (v.typeId() == QMetaType::QFont)
        return v.value<QFont>();
    QFont f;
    if (v.typeId() == QMetaType::QString && f.fromString(v.toString()))
        return f;
    return missing;
}

} // namespace

isButton::isButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy()); // laid out as any widget, not as a fixed-height button
    setAttribute(Qt::WA_KeyCompression, false);
    m_backColor = systemColour(palette(), QPalette::Button);
    m_highlightColor = systemColour(palette(), QPalette::Highlight);
    m_fontColor = systemColour(palette(), QPalette::ButtonText);
    m_fontHighlightColor = m_fontColor;
    m_toolTip = QWidget::toolTip();
    setText(objectName());
    // A new button is captioned with its own name until it gets a caption.
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        if (!m_captionSet) {
            setText(name);
            resizeStep();
        }
    });
    decideTracking();
    updateMinimumSize();
    resizeStep();
}

isButton::~isButton() = default;

// ---- properties ---------------------------------------------------------------------

void isButton::changed()
{
    m_changed = true;
    update();
}

void isButton::setButtonStyle(int style)
{
    const auto s = fromNumber<ButtonStyle>(style);
    if (!s)
        return;
    m_style = *s;
    m_changed = true;
    resizeStep();
}

void isButton::setCaption(const QString& caption)
{
    m_captionSet = true;
    m_changed = true;
    setText(caption); // the mnemonic, the accessible name and the size hint follow
    updateGeometry();
    resizeStep();
}

void isButton::setIcon(const QPixmap& icon)
{
    m_icon = icon;
    m_changed = true;
    resizeStep();
}

void isButton::setIconAlign(int align)
{
    const auto a = fromNumber<Align>(align);
    if (!a)
        return;
    m_iconAlign = *a;
    m_changed = true;
    resizeStep();
}

void isButton::setIconSize(int size)
{
    if (!kIconSizeRange.contains(size))
        return;
    m_iconSize = size;
    m_changed = true;
    resizeStep();
}

void isButton::setCaptionAlign(int align)
{
    const auto a = fromNumber<Align>(align);
    if (!a)
        return;
    m_captionAlign = *a;
    m_changed = true;
    resizeStep();
}

void isButton::setNonThemeStyle(int style)
{
    const auto s = fromNumber<ButtonStyle>(style);
    if (!s)
        return;
    m_nonThemeStyle = *s;
    m_changed = true;
    resizeStep();
}

void isButton::setIconVisible(bool visible)
{
    m_iconVisible = visible;
    changed();
}

void isButton::setShowFocus(bool show)
{
    m_showFocus = show;
    changed();
}

void isButton::setUseCustomColors(bool use)
{
    m_useCustomColors = use;
    changed();
}

void isButton::setBackColor(const QColor& c)
{
    m_backColor = QColor(opaque(c.rgb()));
    changed();
}

void isButton::setHighlightColor(const QColor& c)
{
    m_highlightColor = QColor(opaque(c.rgb()));
    changed();
}

void isButton::setFontColor(const QColor& c)
{
    m_fontColor = QColor(opaque(c.rgb()));
    changed();
}

void isButton::setFontHighlightColor(const QColor& c)
{
    m_fontHighlightColor = QColor(opaque(c.rgb()));
    changed();
}

void isButton::setButtonToolTip(const QString& text)
{
    m_toolTip = text;
    changed();
}

void isButton::setToolTipTitle(const QString& title)
{
    m_toolTipTitle = title;
    changed();
}

void isButton::setToolTipIcon(int icon)
{
    const auto i = fromNumber<TipIcon>(icon);
    if (!i)
        return;
    m_toolTipIcon = *i;
    changed();
}

void isButton::setToolTipType(int type)
{
    const auto t = fromNumber<TipShape>(type);
    if (!t)
        return;
    m_toolTipType = *t;
    changed();
}

void isButton::setToolTipBackColor(const QColor& c)
{
    m_toolTipBackColor = QColor(opaque(c.rgb()));
    changed();
}

void isButton::setToolTipForeColor(const QColor& c)
{
    m_toolTipForeColor = QColor(opaque(c.rgb()));
    changed();
}

void isButton::setButtonType(int type)
{
    const auto k = fromNumber<ButtonKind>(type);
    if (!k)
        return;
    m_buttonType = *k;
    // A check button is checkable, its Value the checked state.
    setCheckable(m_buttonType == ButtonKind::Check);
    setChecked(m_value);
    changed();
}

void isButton::setValue(bool value)
{
    m_value = value;
    setChecked(value); // a push button keeps its Value but is never checked
    changed();
}

void isButton::checkStateSet()
{
    if (!isCheckable() || isChecked() == m_value)
        return;
    m_value = isChecked();
    changed();
}

// ---- saving and loading ---------------------------------------------------------------

PropertyBag isButton::saveProperties() const
{
    const QPalette& pal = palette();
    PropertyBag bag;
    const auto writeIf = [&bag](const QString& key, const QVariant& value, bool differs) {
        if (differs)
            bag.write(key, value);
    };
    writeIf(kStyle, number(m_style), m_style != kMissingStyle);
    writeIf(kCaption, caption(), !caption().isEmpty());
    bag.write(kIcon, m_icon.isNull() ? QVariant() : QVariant(m_icon));
    writeIf(kIconAlign, number(m_iconAlign), m_iconAlign != Align::Centre);
    writeIf(kIconSize, m_iconSize, m_iconSize != kMissingIconSize);
    writeIf(kCaptionAlign, number(m_captionAlign), m_captionAlign != Align::Centre);
    writeIf(kNonThemeStyle, number(m_nonThemeStyle), m_nonThemeStyle != kMissingNonThemeStyle);
    const bool enabled = !testAttribute(Qt::WA_ForceDisabled);
    writeIf(kEnabled, enabled, !enabled);
    writeIf(kIconVisible, m_iconVisible, !m_iconVisible);
    writeIf(kShowFocus, m_showFocus, m_showFocus);
    writeIf(kUseCustomColors, m_useCustomColors, m_useCustomColors);
    writeIf(kBackColor, m_backColor, !sameColour(m_backColor, systemColour(pal, QPalette::Button)));
    writeIf(kHighlightColor, m_highlightColor, !sameColour(m_highlightColor, systemColour(pal, QPalette::Highlight)));
    writeIf(kFontColor, m_fontColor, !sameColour(m_fontColor, systemColour(pal, QPalette::ButtonText)));
    writeIf(kFontHighlightColor, m_fontHighlightColor,
            !sameColour(m_fontHighlightColor, systemColour(pal, QPalette::ButtonText)));
    // The holder's tooltip text, the value of a missing key, is not saved with the button and
    // is the button's own text again once the button has been shown and hidden; compared
    // with it, a tooltip would be dropped. A tooltip is therefore saved whenever there is one.
    writeIf(kToolTipText, m_toolTip, !m_toolTip.isEmpty());
    bag.write(kToolTipTitle, m_toolTipTitle);
    bag.write(kToolTipIcon, number(m_toolTipIcon));
    bag.write(kToolTipType, number(m_toolTipType));
    writeIf(kTtBackColor, m_toolTipBackColor,
            !sameColour(m_toolTipBackColor, systemColour(pal, QPalette::ToolTipBase)));
    writeIf(kTtForeColor, m_toolTipForeColor,
            !sameColour(m_toolTipForeColor, systemColour(pal, QPalette::ToolTipText)));
    bag.write(kFont, font());
    writeIf(kButtonType, number(m_buttonType), m_buttonType != ButtonKind::Push);
    writeIf(kValue, m_value, m_value);
    m_changed = false;
    return bag;
}

void isButton::loadProperties(const PropertyBag& bag)
{
    const QPalette& pal = palette();
    const auto system = [&pal](QPalette::ColorRole role) { return systemColour(pal, role); };

    m_style = readEnum(bag, kStyle, kMissingStyle);
    m_captionSet = true;
    setText(readText(bag, kCaption, QString()));
    m_icon = readPicture(bag, kIcon);
    m_iconAlign = readEnum(bag, kIconAlign, Align::Centre);
    m_iconSize = readInt(bag, kIconSize, kMissingIconSize, kIconSizeRange);
    m_captionAlign = readEnum(bag, kCaptionAlign, Align::Centre);
    m_nonThemeStyle = readEnum(bag, kNonThemeStyle, kMissingNonThemeStyle);
    m_iconVisible = readBool(bag, kIconVisible, true);
    m_showFocus = readBool(bag, kShowFocus, false);
    m_useCustomColors = readBool(bag, kUseCustomColors, false);
    m_backColor = readColour(bag, kBackColor, system(QPalette::Button));
    m_highlightColor = readColour(bag, kHighlightColor, system(QPalette::Highlight));
    m_fontColor = readColour(bag, kFontColor, system(QPalette::ButtonText));
    m_fontHighlightColor = readColour(bag, kFontHighlightColor, system(QPalette::ButtonText));
    m_toolTip = readText(bag, kToolTipText, QWidget::toolTip());
    m_toolTipTitle = readText(bag, kToolTipTitle, QString());
    m_toolTipIcon = readEnum(bag, kToolTipIcon, TipIcon::None);
    m_toolTipType = readEnum(bag, kToolTipType, kMissingToolTipType);
    m_toolTipBackColor = readColour(bag, kTtBackColor, system(QPalette::ToolTipBase));
    m_toolTipForeColor = readColour(bag, kTtForeColor, system(QPalette::ToolTipText));
    m_buttonType = readEnum(bag, kButtonType, ButtonKind::Push);
    m_value = readBool(bag, kValue, false);
    setCheckable(m_buttonType == ButtonKind::Check);
    setChecked(m_value);
    setFont(readFont(bag, kFont, font()));
    setEnabled(readBool(bag, kEnabled, true));

    decideTracking();
    updateGeometry();
    resizeStep();
    m_changed = false;
}

// ---- resize step, theme and tracking ------------------------------------------------

int isButton::minimumPixels(Qt::Orientation o) const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const double dpi = s ? (o == Qt::Horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()) : 96.0;
    return static_cast<int>(std::lround(kMinimumTwips * dpi / kTwipsPerInch));
}

void isButton::updateMinimumSize()
{
    setMinimumSize(minimumPixels(Qt::Horizontal), minimumPixels(Qt::Vertical));
}

void isButton::resizeStep()
{
    resolveThemeFallback();
    m_region = regionForSize();
    if (styleTraits(m_style).region == RegionShape::Rectangle)
        clearMask();
    else
        setMask(m_region);
    update();
}

// The rectangles and the caption format follow from the size and CaptionAlign (a hidden
// widget gets its resize event only when shown, so they are worked out here rather than
// kept from the last resize step).
QRect isButton::outerRect() const
{
    return rect();
}

QRect isButton::captionRect() const
{
    return QRect(QPoint(4, 4), QPoint(width() - 5, height() - 5)); // 4, 4 to w - 4, h - 4
}

int isButton::captionFormat() const
{
    return alignmentFlags(m_captionAlign) | Qt::TextSingleLine;
}

QRegion isButton::regionForSize() const
{
    return buttonRegion(styleTraits(m_style).region, width(), height());
}

QRegion isButton::windowRegion()
{
    if (regionForSize() != m_region)
        resizeStep(); // a hidden button was resized and has not had its resize event yet
    return m_region;
}

bool isButton::themeAvailable() const
{
    const auto& probe = themeProbe();
    return probe ? probe(style()) : defaultThemeProbe(style());
}

void isButton::resolveThemeFallback()
{
    if (m_style != ButtonStyle::Themed || themeAvailable())
        return;
    // A non-theme style of 6 would fall back to itself; the rounded style stands in.
    m_style = m_nonThemeStyle == ButtonStyle::Themed ? kMissingNonThemeStyle : m_nonThemeStyle;
}

void isButton::decideTracking()
{
    const auto& probe = trackingProbe();
    setTrackingAvailable(!m_designMode && (probe ? probe() : defaultTrackingProbe()));
}

void isButton::setTrackingAvailable(bool available)
{
    m_trackingAvailable = available;
    setMouseTracking(available);
    if (available)
        return;
    m_tracking = false;
    if (m_state == State::Hot)
        m_state = State::Normal;
    delete m_toolTipWindow;
    update();
}

void isButton::setDesignMode(bool design)
{
    m_designMode = design;
    decideTracking();
    update();
}

void isButton::setThemeProbe(ThemeProbe probe)
{
    themeProbe() = std::move(probe);
}

void isButton::setTrackingProbe(TrackingProbe probe)
{
    trackingProbe() = std::move(probe);
}

void isButton::Refresh()
{
    if (m_style == ButtonStyle::Themed && !themeAvailable())
        resizeStep();
    update();
}

void isButton::forceState(State state)
{
    m_state = state;
    update();
}

QSize isButton::sizeHint() const
{
    const QFontMetrics fm(font());
    int w = fm.horizontalAdvance(shownCaption(text())) + 16;
    if (m_iconVisible && !m_icon.isNull())
        w += m_iconSize + styleTraits(m_style).iconMargin;
    const int h = std::max(fm.height() + 12, m_iconVisible && !m_icon.isNull() ? m_iconSize + 8 : 0);
    return {std::max(w, minimumPixels(Qt::Horizontal)), std::max(h, minimumPixels(Qt::Vertical))};
}

// ---- mouse and keyboard ---------------------------------------------------------------

isButton::State isButton::restingState() const
{
    return m_tracking ? State::Hot : State::Normal;
}

void isButton::buttonDown()
{
    if (!isEnabled())
        return;
    m_state = State::Pressed;
    update();
}

void isButton::buttonUp(bool overButton)
{
    if (!isEnabled())
        return;
    // A check button stays pressed until the click inverts its value. Released away from
    // the button no click follows, so the button comes back to normal at once.
    if (overButton && m_buttonType == ButtonKind::Check && !m_value)
        m_state = State::Pressed;
    else
        m_state = overButton ? restingState() : State::Normal;
    update();
}

// One activation: a left click, a space press, QAbstractButton::click(), animateClick() or
// the mnemonic. Each runs through QAbstractButton's click, which calls this once (for a
// disabled button not at all) and emits released() and clicked() after it.
void isButton::nextCheckState()
{
    if (m_buttonType == ButtonKind::Check)
        setValue(!m_value);
    m_state = restingState();
    update();
    emit Click();
}

void isButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        buttonDown();
    e->accept();
}

void isButton::mouseReleaseEvent(QMouseEvent* e)
{
    m_lastButton = e->button();
    const bool over = rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        buttonUp(over);
    const bool afterDoubleClick = std::exchange(m_suppressClick, false);
    e->accept();
    if (over && m_lastButton == Qt::LeftButton && !afterDoubleClick)
        click();
}

void isButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && m_lastButton == Qt::LeftButton) {
        buttonDown();
        m_suppressClick = true;
    }
    e->accept();
}

void isButton::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_tracking)
        beginHover();
    e->accept();
}

void isButton::enterEvent(QEnterEvent*)
{
    beginHover();
}

void isButton::leaveEvent(QEvent*)
{
    endHover();
}

// Only the space key is the button's; every other key goes to the holder as from any widget
// (QAbstractButton's arrow-key focus moves and its Select key are left out).
void isButton::keyPressEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(e);
        return;
    }
    // A held key repeats its press; only the first one counts.
    if (!e->isAutoRepeat()) {
        m_spaceDown = true;
        buttonDown();
    }
    e->accept();
}

void isButton::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    e->accept();
    if (e->isAutoRepeat() || !m_spaceDown)
        return;
    m_spaceDown = false;
    m_lastButton = Qt::LeftButton;
    buttonUp(true);
    click();
}

void isButton::focusInEvent(QFocusEvent* e)
{
    m_focus = true;
    update();
    QAbstractButton::focusInEvent(e);
}

void isButton::focusOutEvent(QFocusEvent* e)
{
    m_focus = false;
    if (m_spaceDown) {
        // The key went up elsewhere: no click, and no pressed look left behind.
        m_spaceDown = false;
        if (isEnabled())
            m_state = restingState();
    }
    update();
    QAbstractButton::focusOutEvent(e);
}

// ---- hover and tooltip ----------------------------------------------------------------

void isButton::beginHover()
{
    if (!m_trackingAvailable || m_designMode || !isEnabled() || m_tracking)
        return;
    m_tracking = true;
    if (m_state == State::Normal)
        m_state = State::Hot;
    update();
    const QPointer<isButton> self(this);
    emit MouseEnter();
    if (self)
        rebuildToolTip();
}

void isButton::endHover()
{
    if (!m_tracking)
        return;
    m_tracking = false;
    if (m_state != State::Disabled)
        m_state = State::Normal;
    update();
    emit MouseLeave();
}

isToolTip* isButton::toolTipWindow() const
{
    return m_toolTipWindow;
}

void isButton::rebuildToolTip()
{
    delete m_toolTipWindow;
    isToolTip::Content content;
    content.text = m_toolTip;
    content.title = m_toolTipTitle;
    content.icon = number(m_toolTipIcon);
    content.balloon = m_toolTipType == TipShape::Balloon;
    content.back = m_toolTipBackColor;
    content.fore = m_toolTipForeColor;
    m_toolTipWindow = new isToolTip(this, content);
    m_toolTipWindow->arm();
}

// While the button is shown the holder's tooltip text stays empty, so that only the
// button's own tooltip shows.
void isButton::moveHolderToolTip()
{
    const QString holder = QWidget::toolTip();
    if (holder.isEmpty())
        return; // nothing to move: a ToolTip set on the button itself stays
    m_toolTip = holder;
    m_movingToolTip = true;
    QWidget::setToolTip(QString());
    m_movingToolTip = false;
}

void isButton::showEvent(QShowEvent* e)
{
    QAbstractButton::showEvent(e);
    if (e->spontaneous())
        return;
    moveHolderToolTip();
    resizeStep();
}

void isButton::hideEvent(QHideEvent* e)
{
    QAbstractButton::hideEvent(e);
    if (e->spontaneous())
        return;
    endHover();
    m_movingToolTip = true;
    QWidget::setToolTip(m_toolTip);
    m_movingToolTip = false;
}

bool isButton::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::ToolTip:
        return true; // the button shows its own tooltip
    case QEvent::ToolTipChange:
        if (isVisible() && !m_movingToolTip)
            moveHolderToolTip();
        break;
    case QEvent::ScreenChangeInternal:
        updateMinimumSize();
        break;
    default:
        break;
    }
    return QAbstractButton::event(e);
}

void isButton::changeEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            endHover();
            m_spaceDown = false;
        }
        m_state = isEnabled() ? State::Normal : State::Disabled;
        changed();
        break;
    case QEvent::FontChange:
        updateGeometry();
        changed();
        break;
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        resizeStep();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(e);
}

void isButton::resizeEvent(QResizeEvent* e)
{
    QAbstractButton::resizeEvent(e);
    resizeStep();
}

// ---- painting ---------------------------------------------------------------------------

isButton::State isButton::paintedState() const
{
    State s = m_state;
    if (m_designMode && m_style != ButtonStyle::Rounded)
        s = State::Hot;
    if (isDown()) // an animated click (the mnemonic, an assistive press) shows its press
        s = State::Pressed;
    if (m_buttonType == ButtonKind::Check && m_value)
        s = State::Pressed;
    if (!isEnabled() || m_state == State::Disabled)
        s = State::Disabled;
    return s;
}

void isButton::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    QImage image((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    paintButton(image);
    QPainter p(this);
    p.setClipRegion(m_region);
    p.drawImage(0, 0, image);
}

void isButton::paintThemed(QPainter& p, State state)
{
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.rect = rect();
    opt.text.clear(); // the caption and the icon are drawn by the button
    opt.icon = QIcon();
    opt.features = QStyleOptionButton::None;
    opt.state &= ~(QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Sunken |
                   QStyle::State_On | QStyle::State_Raised);
    switch (state) {
    case State::Normal:
        opt.state |= QStyle::State_Enabled | QStyle::State_Raised;
        if (m_focus)
            opt.features |= QStyleOptionButton::DefaultButton;
        break;
    case State::Hot:
        opt.state |= QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_MouseOver;
        break;
    case State::Pressed:
        opt.state |= QStyle::State_Enabled | QStyle::State_Sunken;
        break;
    case State::Disabled:
        opt.palette.setCurrentColorGroup(QPalette::Disabled);
        break;
    }
    style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
}

void isButton::paintButton(QImage& image)
{
    const State state = paintedState();
    StylePaint in;
    in.style = number(m_style);
    in.state = static_cast<ButtonState>(state);
    in.focus = m_focus;
    in.customColours = m_useCustomColors && state != State::Disabled;
    in.backColour = opaque(m_backColor.rgb());
    in.highlightColour = opaque(m_highlightColor.rgb());
    in.system = SystemColours::from(palette());
    in.size = size();

    const int w = width(), h = height();
    const bool drawIcon = m_iconVisible && !m_icon.isNull() && m_iconSize > 0;
    QRect iconRect;
    if (drawIcon) {
        const int margin = styleTraits(m_style).iconMargin;
        int x = (w - m_iconSize) / 2, y = (h - m_iconSize) / 2;
        switch (m_iconAlign) {
        case Align::Left:
            x = margin;
            break;
        case Align::Right:
            x = w - margin - m_iconSize;
            break;
        case Align::Top:
            y = margin;
            break;
        case Align::Bottom:
            y = h - margin - m_iconSize;
            break;
        case Align::Centre:
            break;
        }
        if (state == State::Pressed)
            x += 1, y += 1;
        iconRect = QRect(x, y, m_iconSize, m_iconSize);
    }
    const bool iconShadow = drawIcon && m_style == ButtonStyle::HoverBox && state == State::Hot;

    QPainter p(&image);
    p.fillRect(QRect(0, 0, w, h), QColor(clearColour(in)));
    if (m_style == ButtonStyle::Themed)
        paintThemed(p, state);
    else
        paintStyle(p, in);

    QRgb ink = in.system.buttonText;
    if (state == State::Disabled)
        ink = in.system.greyText;
    else if (m_useCustomColors)
        ink = opaque((state == State::Normal ? m_fontColor : m_fontHighlightColor).rgb());
    p.setFont(font());
    p.setPen(QColor(ink));
    p.drawText(captionRect(), captionFormat() | mnemonicFlag(this), text());

    if (drawIcon) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(iconRect, m_icon);
    }
    if (m_showFocus && m_focus) {
        p.setPen(QPen(QColor(ink), 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(3, 3, w - 7, h - 7));
    }
    p.end();

    if (iconShadow) {
        // Style 4 when hot: the icon as a grey silhouette wherever it differs from the
        // button's pixel at (1, 1), and the icon again 2 pixels up and to the left.
        const qreal dpr = image.devicePixelRatio();
        const QRgb reference = image.pixel(static_cast<int>(dpr), static_cast<int>(dpr));
        const QRect device =
            QRect((QPointF(iconRect.topLeft()) * dpr).toPoint(), (QSizeF(iconRect.size()) * dpr).toSize())
                .intersected(image.rect());
        for (int y = device.top(); y <= device.bottom(); ++y)
            for (int x = device.left(); x <= device.right(); ++x)
                if (image.pixel(x, y) != reference)
                    image.setPixel(x, y, kIconShadow);
        QPainter again(&image);
        again.setRenderHint(QPainter::SmoothPixmapTransform);
        again.drawPixmap(iconRect.translated(-2, -2), m_icon);
    }
}

} // namespace xingming::widgets
