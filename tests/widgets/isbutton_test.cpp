// isButton's behaviour: size, click rules, states, tracking, tooltip, saving and loading,
// the theme fallback and the shipped definitions.
#include "widgets/buttonresource.h"
#include "widgets/isbutton.h"
#include "widgets/istooltip.h"

#include "testsupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QEnterEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolTip>

#include <cmath>
#include <memory>

using xingming::widgets::isButton;
using xingming::widgets::isToolTip;
using xingming::widgets::PropertyBag;
using State = isButton::State;

namespace {

QPoint centre(const QWidget& w)
{
    return w.rect().center();
}

void sendEnter(isButton& b)
{
    QEnterEvent e(QPointF(centre(b)), QPointF(centre(b)), QPointF(b.mapToGlobal(centre(b))));
    QApplication::sendEvent(&b, &e);
}

void sendLeave(isButton& b)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&b, &e);
}

void sendMove(isButton& b)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(centre(b)), QPointF(b.mapToGlobal(centre(b))), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&b, &e);
}

void sendSpace(isButton& b, QEvent::Type type, bool autoRepeat)
{
    QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(&b, &e);
}

// One step of an input script; returns false for an unknown step.
bool perform(isButton& b, const QString& step)
{
    const QPoint c = centre(b);
    if (step == u"press")
        QTest::mousePress(&b, Qt::LeftButton, {}, c);
    else if (step == u"release")
        QTest::mouseRelease(&b, Qt::LeftButton, {}, c);
    else if (step == u"releaseOutside")
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(-10, -10));
    else if (step == u"dclick")
        QTest::mouseDClick(&b, Qt::LeftButton, {}, c);
    else if (step == u"rpress")
        QTest::mousePress(&b, Qt::RightButton, {}, c);
    else if (step == u"rrelease")
        QTest::mouseRelease(&b, Qt::RightButton, {}, c);
    else if (step == u"mpress")
        QTest::mousePress(&b, Qt::MiddleButton, {}, c);
    else if (step == u"mrelease")
        QTest::mouseRelease(&b, Qt::MiddleButton, {}, c);
    else if (step == u"spaceDown")
        sendSpace(b, QEvent::KeyPress, false);
    else if (step == u"spaceUp")
        sendSpace(b, QEvent::KeyRelease, false);
    else if (step == u"spaceRepeat") {
        sendSpace(b, QEvent::KeyRelease, true);
        sendSpace(b, QEvent::KeyPress, true);
    } else if (step == u"enter")
        sendEnter(b);
    else if (step == u"leave")
        sendLeave(b);
    else if (step == u"move")
        sendMove(b);
    else if (step == u"disable")
        b.setEnabled(false);
    else if (step == u"enable")
        b.setEnabled(true);
    else
        return false;
    return true;
}

std::unique_ptr<isButton> makeButton(int style = 0)
{
    auto b = std::make_unique<isButton>();
    b->setPalette(testsupport::fixedPalette());
    b->setButtonStyle(style);
    b->resize(80, 24);
    return b;
}

// Every property of the table, for comparing two buttons.
const char* const kAllProperties[] = {
    "Style",         "Caption",        "IconAlign",   "IconSize",           "CaptionAlign",
    "NonThemeStyle", "Enabled",        "IconVisible", "ShowFocus",          "UseCustomColors",
    "BackColor",     "HighlightColor", "FontColor",   "FontHighlightColor", "ToolTip",
    "ToolTipTitle",  "ToolTipIcon",    "ToolTipType", "ToolTipBackColor",   "ToolTipForeColor",
    "Font",          "ButtonType",     "Value"};

using Settings = QList<std::pair<QByteArray, QVariant>>;

QPixmap solidPixmap(int size, const QColor& c)
{
    QPixmap p(size, size);
    p.fill(c);
    return p;
}

} // namespace

Q_DECLARE_METATYPE(Settings)

class ButtonTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void minimumSize_data();
    void minimumSize();
    void clickRules_data();
    void clickRules();
    void stateMachine_data();
    void stateMachine();
    void qtClickFollowsClick_data();
    void qtClickFollowsClick();
    void activationThroughQt_data();
    void activationThroughQt();
    void valueIsCheckedState();
    void mnemonic();
    void accessibleButton_data();
    void accessibleButton();
    void rangesOfSettersAndLoader_data();
    void rangesOfSettersAndLoader();
    void realMouseMovement();
    void trackingUnavailable();
    void trackingSwitchedOff();
    void toolTipWindow();
    void holderToolTipMoved();

    void savedKeysOfNewButton();
    void missingKeys_data();
    void missingKeys();
    void saveLoadRoundTrip_data();
    void saveLoadRoundTrip();
    void toolTipSavedAfterShowAndHide();
    void loadedValues_data();
    void loadedValues();

    void themeFallback_data();
    void themeFallback();
    void themeFallbackPaintsLikeStyle5();

    void definitionsFromResources_data();
    void definitionsFromResources();
    void missingDefinition();
};

void ButtonTest::cleanup()
{
    isButton::setThemeProbe({});
    isButton::setTrackingProbe({});
}

void ButtonTest::minimumSize_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<bool>("widened");
    QTest::addColumn<bool>("heightened");
    QTest::newRow("5 by 5") << QSize(5, 5) << true << true;
    QTest::newRow("narrow") << QSize(12, 40) << true << false;
    QTest::newRow("low") << QSize(100, 19) << false << true;
    QTest::newRow("large enough") << QSize(100, 40) << false << false;
}

void ButtonTest::minimumSize()
{
    QFETCH(QSize, requested);
    QFETCH(bool, widened);
    QFETCH(bool, heightened);
    isButton b;
    // 300 twips at the screen's resolution; 20 pixels at 96 dots per inch.
    const QScreen* screen = b.screen();
    const int minW = static_cast<int>(std::lround(300 * screen->logicalDotsPerInchX() / 1440.0));
    const int minH = static_cast<int>(std::lround(300 * screen->logicalDotsPerInchY() / 1440.0));
    if (qFuzzyCompare(screen->logicalDotsPerInchX(), 96.0))
        QCOMPARE(minW, 20);
    b.resize(requested);
    QCOMPARE(b.width(), widened ? minW : requested.width());
    QCOMPARE(b.height(), heightened ? minH : requested.height());
    QCOMPARE(b.outerRect(), QRect(0, 0, b.width(), b.height()));
    QCOMPARE(b.captionRect(), QRect(4, 4, b.width() - 8, b.height() - 8));
}

void ButtonTest::clickRules_data()
{
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("value");
    QTest::newRow("left click") << 0 << "press release" << 1 << false;
    QTest::newRow("right click") << 0 << "rpress rrelease" << 0 << false;
    QTest::newRow("middle click") << 0 << "mpress mrelease" << 0 << false;
    QTest::newRow("released outside") << 0 << "press releaseOutside" << 0 << false;
    QTest::newRow("two clicks") << 0 << "press release press release" << 2 << false;
    QTest::newRow("double click") << 0 << "press release dclick release" << 1 << false;
    QTest::newRow("right click, then left double click")
        << 0 << "rpress rrelease press release dclick release" << 1 << false;
    QTest::newRow("click after a double click") << 0 << "press release dclick release press release" << 2 << false;
    QTest::newRow("space press") << 0 << "spaceDown spaceUp" << 1 << false;
    QTest::newRow("space held, repeating") << 0 << "spaceDown spaceRepeat spaceRepeat spaceUp" << 1 << false;
    QTest::newRow("space down only") << 0 << "spaceDown" << 0 << false;
    QTest::newRow("check: one click") << 1 << "press release" << 1 << true;
    QTest::newRow("check: two clicks") << 1 << "press release press release" << 2 << false;
    QTest::newRow("check: double click") << 1 << "press release dclick release" << 1 << true;
    QTest::newRow("check: right click") << 1 << "rpress rrelease" << 0 << false;
    QTest::newRow("check: space press") << 1 << "spaceDown spaceUp" << 1 << true;
    QTest::newRow("disabled") << 0 << "disable press release spaceDown spaceUp" << 0 << false;
}

void ButtonTest::clickRules()
{
    QFETCH(int, buttonType);
    QFETCH(QString, script);
    QFETCH(int, clicks);
    QFETCH(bool, value);
    auto b = makeButton(8);
    b->setButtonType(buttonType);
    QSignalSpy spy(b.get(), &isButton::Click);
    for (const QString& step : script.split(u' '))
        QVERIFY2(perform(*b, step), qPrintable(step));
    QCOMPARE(spy.count(), clicks);
    QCOMPARE(b->value(), value);
}

void ButtonTest::stateMachine_data()
{
    // Steps "input=state" or "input=state/painted"; states 1 normal, 2 hot, 3 pressed,
    // 4 disabled.
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<QString>("script");
    QTest::newRow("hover") << 0 << "enter=2 leave=1";
    QTest::newRow("a move starts the hover") << 0 << "move=2 move=2 leave=1";
    QTest::newRow("press and release over the button") << 0 << "enter=2 press=3 release=2 leave=1";
    QTest::newRow("press and release without hover") << 0 << "press=3 release=1";
    QTest::newRow("released outside") << 0 << "enter=2 press=3 releaseOutside=1";
    QTest::newRow("right button leaves the state") << 0 << "enter=2 rpress=2 rrelease=2";
    QTest::newRow("double click") << 0 << "enter=2 press=3 release=2 dclick=3 release=2";
    QTest::newRow("check button") << 1 << "enter=2/2 press=3/3 release=2/3 leave=1/3 enter=2/3 press=3/3 release=2/2";
    QTest::newRow("check button released outside") << 1 << "enter=2 press=3 releaseOutside=1/1";
    QTest::newRow("space") << 0 << "spaceDown=3 spaceUp=1";
    QTest::newRow("space while hovering") << 0 << "enter=2 spaceDown=3 spaceUp=2";
    QTest::newRow("leave while space is down") << 0 << "enter=2 spaceDown=3 leave=1 spaceUp=1";
    QTest::newRow("disabled and enabled") << 0 << "enter=2 disable=4/4 enter=4 press=4 enable=1 enter=2";
    QTest::newRow("disabled check button with value") << 1 << "press release disable=4/4 enable=1/3";
}

void ButtonTest::stateMachine()
{
    QFETCH(int, buttonType);
    QFETCH(QString, script);
    auto b = makeButton(8);
    b->setButtonType(buttonType);
    for (const QString& step : script.split(u' ')) {
        const QStringList parts = step.split(u'=');
        QVERIFY2(perform(*b, parts[0]), qPrintable(step));
        if (parts.size() < 2)
            continue;
        const QStringList states = parts[1].split(u'/');
        QCOMPARE(static_cast<int>(b->state()), states[0].toInt());
        if (states.size() > 1)
            QCOMPARE(static_cast<int>(b->paintedState()), states[1].toInt());
    }
}

void ButtonTest::qtClickFollowsClick_data()
{
    clickRules_data();
}

// QAbstractButton's clicked() comes once after every Click and at no other time, with the
// checked state (Value of a check button) it leaves.
void ButtonTest::qtClickFollowsClick()
{
    QFETCH(int, buttonType);
    QFETCH(QString, script);
    QFETCH(int, clicks);
    QFETCH(bool, value);
    auto b = makeButton(8);
    b->setButtonType(buttonType);
    QStringList order;
    connect(b.get(), &isButton::Click, b.get(), [&order] { order << QStringLiteral("Click"); });
    connect(b.get(), &QAbstractButton::clicked, b.get(),
            [&order](bool checked) { order << (checked ? QStringLiteral("clicked on") : QStringLiteral("clicked")); });
    for (const QString& step : script.split(u' '))
        QVERIFY2(perform(*b, step), qPrintable(step));
    QStringList expected;
    bool checked = false;
    for (int i = 0; i < clicks; ++i) {
        checked = buttonType == 1 && !checked;
        expected << QStringLiteral("Click") << (checked ? QStringLiteral("clicked on") : QStringLiteral("clicked"));
    }
    QCOMPARE(order, expected);
    QCOMPARE(b->isChecked(), buttonType == 1 && value);
}

void ButtonTest::activationThroughQt_data()
{
    // QAbstractButton::click() and animateClick() act as one left click: one Click, a check
    // button's Value inverted, the button back at rest; a disabled button does nothing.
    QTest::addColumn<bool>("animated");
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("click") << false << 0 << true;
    QTest::newRow("click, check button") << false << 1 << true;
    QTest::newRow("click, disabled") << false << 0 << false;
    QTest::newRow("animated click") << true << 0 << true;
    QTest::newRow("animated click, check button") << true << 1 << true;
    QTest::newRow("animated click, disabled") << true << 1 << false;
}

void ButtonTest::activationThroughQt()
{
    QFETCH(bool, animated);
    QFETCH(int, buttonType);
    QFETCH(bool, enabled);
    auto b = makeButton(8);
    b->setButtonType(buttonType);
    b->setEnabled(enabled);
    QSignalSpy click(b.get(), &isButton::Click);
    QSignalSpy clicked(b.get(), &QAbstractButton::clicked);
    if (animated) {
        b->animateClick();
        if (enabled)
            QCOMPARE(b->paintedState(), State::Pressed); // pressed until the click
        QTest::qWait(200);
    } else {
        b->click();
    }
    const int expected = enabled ? 1 : 0;
    QCOMPARE(click.count(), expected);
    QCOMPARE(clicked.count(), expected);
    QCOMPARE(b->value(), enabled && buttonType == 1);
    QCOMPARE(b->state(), enabled ? State::Normal : State::Disabled);
    QCOMPARE(b->isDown(), false);
}

void ButtonTest::valueIsCheckedState()
{
    auto b = makeButton();
    QSignalSpy toggled(b.get(), &QAbstractButton::toggled);
    b->setValue(true); // a push button keeps its Value but is not checkable
    QVERIFY(!b->isCheckable());
    QVERIFY(!b->isChecked());
    b->setButtonType(1);
    QVERIFY(b->isCheckable());
    QVERIFY(b->isChecked());
    b->saveProperties();
    b->setChecked(false); // from outside, as an assistive toggle does
    QCOMPARE(b->value(), false);
    QVERIFY(b->isChanged());
    QCOMPARE(b->paintedState(), State::Normal);
    b->toggle();
    QCOMPARE(b->value(), true);
    QCOMPARE(toggled.count(), 3);
    b->setButtonType(0);
    QVERIFY(!b->isCheckable());
    QCOMPARE(b->value(), true);

    PropertyBag bag;
    bag.write(QStringLiteral("ButtonType"), 1);
    bag.write(QStringLiteral("Value"), true);
    b->loadProperties(bag);
    QVERIFY(b->isCheckable());
    QVERIFY(b->isChecked());
}

void ButtonTest::mnemonic()
{
    // "&" marks the mnemonic of the caption: Alt with the letter clicks the button once.
    QWidget host;
    host.resize(200, 100);
    auto* b = new isButton(&host);
    b->setGeometry(10, 10, 80, 24);
    b->setCaption(QStringLiteral("评分(&S)"));
    auto* plain = new isButton(&host);
    plain->setGeometry(10, 50, 80, 24);
    plain->setCaption(QStringLiteral("A && B"));
    QCOMPARE(b->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
    QVERIFY(plain->shortcut().isEmpty()); // "&&" is one ampersand
    QSignalSpy click(b, &isButton::Click);
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QTest::keyClick(&host, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(click.count(), 1);
    QTest::qWait(150);
    QCOMPARE(click.count(), 1);
}

void ButtonTest::accessibleButton_data()
{
    // What assistive technology sees: a push button named by its caption without the
    // mnemonic mark, whose press action clicks it; a check button as a checkable control.
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("buttonType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::newRow("开始评分") << QStringLiteral("开始评分") << 0 << QStringLiteral("开始评分")
                              << static_cast<int>(QAccessible::Button);
    QTest::newRow("详细解释") << QStringLiteral("详细解释") << 0 << QStringLiteral("详细解释")
                              << static_cast<int>(QAccessible::Button);
    QTest::newRow("mnemonic") << QStringLiteral("评分(&S)") << 0 << QStringLiteral("评分(S)")
                              << static_cast<int>(QAccessible::Button);
    QTest::newRow("ampersand") << QStringLiteral("A && B") << 0 << QStringLiteral("A & B")
                               << static_cast<int>(QAccessible::Button);
    QTest::newRow("check button") << QStringLiteral("选中") << 1 << QStringLiteral("选中")
                                  << static_cast<int>(QAccessible::CheckBox);
}

void ButtonTest::accessibleButton()
{
    QFETCH(QString, caption);
    QFETCH(int, buttonType);
    QFETCH(QString, name);
    QFETCH(int, role);
    QWidget host;
    auto* b = new isButton(&host);
    b->setButtonType(buttonType);
    b->setCaption(caption);
    host.show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(b);
    QVERIFY(iface);
    QCOMPARE(static_cast<int>(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QVERIFY(iface->state().focusable);
    QCOMPARE(static_cast<bool>(iface->state().checkable), buttonType == 1);
    isButton shown; // the caption as drawn has the size of the accessible name
    shown.setCaption(QString(name).replace(u'&', QStringLiteral("&&")));
    QCOMPARE(b->sizeHint(), shown.sizeHint());
    QAccessibleActionInterface* actions = iface->actionInterface();
    QVERIFY(actions);
    QSignalSpy click(b, &isButton::Click);
    if (buttonType == 1) {
        // A check button is toggled, as setValue() does: Value changes, no Click.
        const QString toggle = QAccessibleActionInterface::toggleAction();
        QVERIFY(actions->actionNames().contains(toggle));
        actions->doAction(toggle);
        QCOMPARE(b->value(), true);
        QVERIFY(iface->state().checked);
        QCOMPARE(click.count(), 0);
        return;
    }
    const QString press = QAccessibleActionInterface::pressAction();
    QVERIFY(actions->actionNames().contains(press));
    actions->doAction(press);
    QTRY_COMPARE(click.count(), 1);
    b->setEnabled(false);
    QVERIFY(!actions->actionNames().contains(press));
    actions->doAction(press); // not even the animated press starts
    QVERIFY(!b->isDown());
    QCOMPARE(click.count(), 1);
}

void ButtonTest::rangesOfSettersAndLoader_data()
{
    // Each integer property has one range: a setter keeps its old value outside it, the
    // loader takes the missing-key value, and both take the ends.
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::newRow("Style") << QByteArray("Style") << "Style" << 0 << 10;
    QTest::newRow("NonThemeStyle") << QByteArray("NonThemeStyle") << "iNonThemeStyle" << 0 << 10;
    QTest::newRow("IconAlign") << QByteArray("IconAlign") << "IconAlign" << 0 << 4;
    QTest::newRow("CaptionAlign") << QByteArray("CaptionAlign") << "CaptionAlign" << 0 << 4;
    QTest::newRow("IconSize") << QByteArray("IconSize") << "IconSize" << 0 << 32767;
    QTest::newRow("ToolTipIcon") << QByteArray("ToolTipIcon") << "ToolTipIcon" << 0 << 3;
    QTest::newRow("ToolTipType") << QByteArray("ToolTipType") << "ToolTipType" << 0 << 1;
    QTest::newRow("ButtonType") << QByteArray("ButtonType") << "ButtonType" << 0 << 1;
}

void ButtonTest::rangesOfSettersAndLoader()
{
    QFETCH(QByteArray, property);
    QFETCH(QString, key);
    QFETCH(int, lo);
    QFETCH(int, hi);
    isButton::setThemeProbe([](const QStyle*) { return true; });
    isButton b;
    const QVariant missing = [&] {
        isButton fresh;
        fresh.loadProperties(PropertyBag());
        return fresh.property(property.constData());
    }();
    for (int v : {lo, hi, lo - 1, hi + 1}) {
        const bool inside = v >= lo && v <= hi;
        b.setProperty(property.constData(), lo == v ? hi : lo);
        const QVariant before = b.property(property.constData());
        b.setProperty(property.constData(), v);
        QCOMPARE(b.property(property.constData()), inside ? QVariant(v) : before);

        PropertyBag bag;
        bag.write(key, v);
        b.loadProperties(bag);
        QCOMPARE(b.property(property.constData()), inside ? QVariant(v) : missing);
    }
}

void ButtonTest::realMouseMovement()
{
    QWidget host;
    host.resize(200, 100);
    auto* b = new isButton(&host);
    b->setGeometry(50, 30, 80, 24);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy enter(b, &isButton::MouseEnter);
    QSignalSpy leave(b, &isButton::MouseLeave);
    QTest::mouseMove(&host, QPoint(5, 5));
    QTest::mouseMove(b, centre(*b));
    QTRY_COMPARE(enter.count(), 1);
    QCOMPARE(b->state(), State::Hot);
    QTest::mouseMove(&host, QPoint(5, 5));
    QTRY_COMPARE(leave.count(), 1);
    QCOMPARE(b->state(), State::Normal);
}

void ButtonTest::trackingUnavailable()
{
    isButton::setTrackingProbe([] { return false; });
    auto b = makeButton(8);
    b->loadProperties(b->saveProperties());
    QVERIFY(!b->trackingAvailable());
    QSignalSpy enter(b.get(), &isButton::MouseEnter);
    QSignalSpy leave(b.get(), &isButton::MouseLeave);
    QSignalSpy click(b.get(), &isButton::Click);
    for (const char* step : {"enter", "move", "press", "release", "leave"})
        perform(*b, QString::fromLatin1(step));
    sendEnter(*b);
    QCOMPARE(b->state(), State::Normal); // never hot
    QCOMPARE(enter.count(), 0);
    QCOMPARE(leave.count(), 0);
    QCOMPARE(b->toolTipWindow(), nullptr);
    QCOMPARE(click.count(), 1); // clicking still works
    QTest::mousePress(b.get(), Qt::LeftButton);
    QCOMPARE(b->state(), State::Pressed);
    QVERIFY(!b->grab().isNull()); // and painting
}

void ButtonTest::trackingSwitchedOff()
{
    auto b = makeButton();
    QSignalSpy leave(b.get(), &isButton::MouseLeave);
    sendEnter(*b);
    QCOMPARE(b->state(), State::Hot);
    QVERIFY(b->toolTipWindow());
    b->setTrackingAvailable(false);
    QCOMPARE(b->state(), State::Normal);
    QCOMPARE(b->toolTipWindow(), nullptr);
    sendLeave(*b);
    sendEnter(*b);
    QCOMPARE(b->state(), State::Normal);
    QCOMPARE(leave.count(), 0);
}

void ButtonTest::toolTipWindow()
{
    auto b = makeButton();
    b->setButtonToolTip(QStringLiteral("说明 & 用法"));
    b->setToolTipTitle(QStringLiteral("标题"));
    b->setToolTipIcon(2);
    b->setToolTipType(1);
    b->setToolTipBackColor(QColor(255, 255, 200));
    b->setToolTipForeColor(QColor(0, 0, 0)); // 0: the system's colour
    QCOMPARE(b->toolTipWindow(), nullptr);

    sendEnter(*b);
    QPointer<isToolTip> first = b->toolTipWindow();
    QVERIFY(first);
    QCOMPARE(first->parent(), b.get());
    QVERIFY(first->windowFlags().testFlag(Qt::ToolTip));
    QVERIFY(first->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(first->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(first->content().text, QStringLiteral("说明 & 用法"));
    QCOMPARE(first->content().title, QStringLiteral("标题"));
    QCOMPARE(first->content().icon, 2);
    QVERIFY(first->content().balloon);
    QCOMPARE(first->backColour(), QColor(255, 255, 200));
    QCOMPARE(first->foreColour(), QToolTip::palette().color(QPalette::ToolTipText));

    first->popUp(b->mapToGlobal(centre(*b)));
    QVERIFY(first->isVisible());
    QVERIFY(!first->mask().isEmpty()); // the balloon's shape
    QTest::mousePress(b.get(), Qt::LeftButton);
    QVERIFY(!first->isVisible()); // a press puts it away
    QTest::mouseRelease(b.get(), Qt::LeftButton);

    // Rebuilt on every entry: the previous window is destroyed, a new text shows then.
    b->setButtonToolTip(QStringLiteral("新"));
    QCOMPARE(first->content().text, QStringLiteral("说明 & 用法"));
    sendLeave(*b);
    sendEnter(*b);
    QVERIFY(!first);
    QCOMPARE(b->toolTipWindow()->content().text, QStringLiteral("新"));
}

void ButtonTest::holderToolTipMoved()
{
    QWidget host;
    auto* b = new isButton(&host);
    b->setToolTip(QStringLiteral("持有者的提示"));
    host.show();
    QCOMPARE(b->buttonToolTip(), QStringLiteral("持有者的提示"));
    QCOMPARE(b->toolTip(), QString()); // only the button's own tooltip shows
    b->hide();
    QCOMPARE(b->toolTip(), QStringLiteral("持有者的提示"));
    b->show();
    QCOMPARE(b->toolTip(), QString());
    // A holder that sets its text while the button is shown hands it over as well.
    b->setToolTip(QStringLiteral("改过的"));
    QCOMPARE(b->buttonToolTip(), QStringLiteral("改过的"));
    QCOMPARE(b->toolTip(), QString());

    // A tooltip of the button's own survives a holder without one.
    QWidget other;
    auto* own = new isButton(&other);
    own->setButtonToolTip(QStringLiteral("自己的"));
    other.show();
    QCOMPARE(own->buttonToolTip(), QStringLiteral("自己的"));
    own->hide();
    QCOMPARE(own->toolTip(), QStringLiteral("自己的"));
}

void ButtonTest::savedKeysOfNewButton()
{
    isButton b;
    b.setPalette(testsupport::fixedPalette());
    b.setObjectName(QStringLiteral("isButton9"));
    QCOMPARE(b.caption(), QStringLiteral("isButton9")); // a new button is captioned with its name
    const PropertyBag bag = b.saveProperties();
    // Written: what differs from its missing-key value (Style 0 against 3, the caption,
    // NonThemeStyle 0 against 5, IconVisible false against true, the tooltip background 0
    // against the system's) and the five keys that are always written. The tooltip text
    // colour 0 equals the system's black and is left out.
    const QStringList expected{QStringLiteral("Style"),       QStringLiteral("Caption"),
                               QStringLiteral("Icon"),        QStringLiteral("iNonThemeStyle"),
                               QStringLiteral("IconVisible"), QStringLiteral("Tooltiptitle"),
                               QStringLiteral("ToolTipIcon"), QStringLiteral("ToolTipType"),
                               QStringLiteral("ttBackColor"), QStringLiteral("Font")};
    QCOMPARE(bag.keys(), expected);

    b.setUseCustomColors(true);
    b.setShowFocus(true);
    b.setBackColor(QColor(1, 2, 3));
    b.setHighlightColor(QColor(1, 2, 3));
    b.setFontColor(QColor(1, 2, 3));
    b.setFontHighlightColor(QColor(1, 2, 3));
    b.setButtonToolTip(QStringLiteral("x"));
    b.setToolTipForeColor(QColor(1, 2, 3));
    b.setIconAlign(1);
    b.setIconSize(20);
    b.setCaptionAlign(2);
    b.setButtonType(1);
    b.setValue(true);
    b.setEnabled(false);
    const QStringList all = b.saveProperties().keys();
    for (const char* key :
         {"IconAlign", "IconSize", "CaptionAlign", "Enabled", "ShowFocus", "USeCustomColors", "BackColor",
          "HighlightColor", "FontColor", "FontHighlightColor", "ToolTipText", "ttForeColor", "ButtonType", "Value"})
        QVERIFY2(all.contains(QString::fromLatin1(key)), key);
    QCOMPARE(all.size(), 24);
}

void ButtonTest::missingKeys_data()
{
    using namespace testsupport;
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("Style") << QByteArray("Style") << QVariant(3);
    QTest::newRow("Caption") << QByteArray("Caption") << QVariant(QString());
    QTest::newRow("IconAlign") << QByteArray("IconAlign") << QVariant(0);
    QTest::newRow("IconSize") << QByteArray("IconSize") << QVariant(16);
    QTest::newRow("CaptionAlign") << QByteArray("CaptionAlign") << QVariant(0);
    QTest::newRow("NonThemeStyle") << QByteArray("NonThemeStyle") << QVariant(5);
    QTest::newRow("Enabled") << QByteArray("Enabled") << QVariant(true);
    QTest::newRow("IconVisible") << QByteArray("IconVisible") << QVariant(true);
    QTest::newRow("ShowFocus") << QByteArray("ShowFocus") << QVariant(false);
    QTest::newRow("UseCustomColors") << QByteArray("UseCustomColors") << QVariant(false);
    QTest::newRow("BackColor") << QByteArray("BackColor") << QVariant(kFace);
    QTest::newRow("HighlightColor") << QByteArray("HighlightColor") << QVariant(kHighlight);
    QTest::newRow("FontColor") << QByteArray("FontColor") << QVariant(kButtonText);
    QTest::newRow("FontHighlightColor") << QByteArray("FontHighlightColor") << QVariant(kButtonText);
    QTest::newRow("ToolTip") << QByteArray("ToolTip") << QVariant(QStringLiteral("持有者"));
    QTest::newRow("ToolTipTitle") << QByteArray("ToolTipTitle") << QVariant(QString());
    QTest::newRow("ToolTipIcon") << QByteArray("ToolTipIcon") << QVariant(0);
    QTest::newRow("ToolTipType") << QByteArray("ToolTipType") << QVariant(1);
    QTest::newRow("ToolTipBackColor") << QByteArray("ToolTipBackColor") << QVariant(kTipBase);
    QTest::newRow("ToolTipForeColor") << QByteArray("ToolTipForeColor") << QVariant(kTipText);
    QTest::newRow("ButtonType") << QByteArray("ButtonType") << QVariant(0);
    QTest::newRow("Value") << QByteArray("Value") << QVariant(false);
}

void ButtonTest::missingKeys()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    isButton b;
    b.setPalette(testsupport::fixedPalette());
    // Every property away from its missing-key value first.
    const Settings odd{{"Style", 9},
                       {"Caption", QStringLiteral("旧")},
                       {"IconAlign", 2},
                       {"IconSize", 30},
                       {"CaptionAlign", 4},
                       {"NonThemeStyle", 1},
                       {"Enabled", false},
                       {"IconVisible", false},
                       {"ShowFocus", true},
                       {"UseCustomColors", true},
                       {"BackColor", QColor(9, 9, 9)},
                       {"HighlightColor", QColor(9, 9, 9)},
                       {"FontColor", QColor(9, 9, 9)},
                       {"FontHighlightColor", QColor(9, 9, 9)},
                       {"ToolTip", QStringLiteral("旧的")},
                       {"ToolTipTitle", QStringLiteral("旧")},
                       {"ToolTipIcon", 3},
                       {"ToolTipType", 0},
                       {"ToolTipBackColor", QColor(9, 9, 9)},
                       {"ToolTipForeColor", QColor(9, 9, 9)},
                       {"ButtonType", 1},
                       {"Value", true}};
    for (const auto& [name, v] : odd)
        QVERIFY2(b.setProperty(name.constData(), v), name.constData());
    b.setToolTip(QStringLiteral("持有者"));
    QFont font(QStringLiteral("宋体"), 15);
    b.setFont(font);

    b.loadProperties(PropertyBag());
    QCOMPARE(b.property(property.constData()), expected);
    QCOMPARE(b.font(), font); // the button's current font
    QVERIFY(b.icon().isNull());
}

void ButtonTest::saveLoadRoundTrip_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::newRow("new button") << Settings{};
    QTest::newRow("empty caption, icon align 0, tooltip colours 0") << Settings{{"Caption", QString()},
                                                                                {"IconAlign", 0},
                                                                                {"ToolTipBackColor", QColor(0, 0, 0)},
                                                                                {"ToolTipForeColor", QColor(0, 0, 0)}};
    QTest::newRow("style 8 with custom colours, black back colour")
        << Settings{{"Style", 8},
                    {"UseCustomColors", true},
                    {"BackColor", QColor(0, 0, 0)},
                    {"HighlightColor", QColor(10, 20, 30)},
                    {"FontColor", QColor(255, 255, 255)},
                    {"FontHighlightColor", QColor(255, 255, 0)}};
    QTest::newRow("values equal to the missing-key values")
        << Settings{{"Style", 3}, {"NonThemeStyle", 5}, {"IconVisible", true}, {"ToolTipType", 1}, {"IconSize", 16}};
    QTest::newRow("check button holding true") << Settings{{"ButtonType", 1}, {"Value", true}, {"Style", 1}};
    QTest::newRow("disabled with icon") << Settings{{"Enabled", false},    {"Icon", solidPixmap(8, QColor(200, 0, 0))},
                                                    {"IconVisible", true}, {"IconSize", 24},
                                                    {"IconAlign", 3},      {"CaptionAlign", 4},
                                                    {"ShowFocus", true}};
    QTest::newRow("balloon tooltip with awkward text") << Settings{{"ToolTip", QStringLiteral("a \"b\" \\c\n第二行")},
                                                                   {"ToolTipTitle", QStringLiteral("题 = 目")},
                                                                   {"ToolTipIcon", 3},
                                                                   {"ToolTipType", 1},
                                                                   {"ToolTipBackColor", QColor(1, 2, 3)},
                                                                   {"ToolTipForeColor", QColor(250, 251, 252)}};
    QTest::newRow("bold font") << Settings{{"Font", QFont(QStringLiteral("宋体"), 12, QFont::Bold)}, {"Style", 10}};
}

void ButtonTest::saveLoadRoundTrip()
{
    QFETCH(Settings, settings);
    isButton a;
    a.setPalette(testsupport::fixedPalette());
    a.setObjectName(QStringLiteral("isButton7"));
    for (const auto& [name, v] : settings)
        QVERIFY2(a.setProperty(name.constData(), v), name.constData());
    const QString text = a.saveProperties().toText();
    QString error;
    const auto parsed = PropertyBag::fromText(text, &error);
    QVERIFY2(parsed, qPrintable(error));

    isButton b;
    b.setPalette(testsupport::fixedPalette());
    b.setObjectName(QStringLiteral("other"));
    b.loadProperties(*parsed);
    for (const char* name : kAllProperties)
        QVERIFY2(b.property(name) == a.property(name),
                 qPrintable(QString::fromLatin1(name) + QStringLiteral(": ") + b.property(name).toString() +
                            QStringLiteral(" instead of ") + a.property(name).toString()));
    QCOMPARE(b.icon().isNull(), a.icon().isNull());
    if (!a.icon().isNull())
        QCOMPARE(b.icon().toImage().convertToFormat(QImage::Format_RGB32),
                 a.icon().toImage().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(b.saveProperties().toText(), text);
    QVERIFY(!b.isChanged());
}

void ButtonTest::toolTipSavedAfterShowAndHide()
{
    QWidget host;
    auto* a = new isButton(&host);
    a->setButtonToolTip(QStringLiteral("提示"));
    host.show();
    host.hide(); // the holder now holds the same text
    QCOMPARE(a->toolTip(), QStringLiteral("提示"));
    const PropertyBag bag = a->saveProperties();
    QCOMPARE(bag.read(QStringLiteral("ToolTipText")), QVariant(QStringLiteral("提示")));
    isButton b;
    b.loadProperties(bag);
    QCOMPARE(b.buttonToolTip(), QStringLiteral("提示"));
}

void ButtonTest::loadedValues_data()
{
    // Keys in any case; values of the wrong kind or out of range count as missing.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("style in lower case") << "style" << QVariant(8) << QByteArray("Style") << QVariant(8);
    QTest::newRow("style out of range") << "STYLE" << QVariant(42) << QByteArray("Style") << QVariant(3);
    QTest::newRow("negative style") << "Style" << QVariant(-1) << QByteArray("Style") << QVariant(3);
    QTest::newRow("icon align out of range") << "iconalign" << QVariant(9) << QByteArray("IconAlign") << QVariant(0);
    QTest::newRow("negative icon size") << "IconSize" << QVariant(-4) << QByteArray("IconSize") << QVariant(16);
    QTest::newRow("custom colours in lower case")
        << "usecustomcolors" << QVariant(true) << QByteArray("UseCustomColors") << QVariant(true);
    QTest::newRow("non-theme style") << "INONTHEMESTYLE" << QVariant(7) << QByteArray("NonThemeStyle") << QVariant(7);
    QTest::newRow("colour as text") << "backcolor" << QVariant(QStringLiteral("#102030")) << QByteArray("BackColor")
                                    << QVariant(QColor(16, 32, 48));
    QTest::newRow("colour of the wrong kind")
        << "BackColor" << QVariant(5) << QByteArray("BackColor") << QVariant(testsupport::kFace);
    QTest::newRow("value as a number") << "value" << QVariant(1) << QByteArray("Value") << QVariant(true);
    QTest::newRow("caption of the wrong kind")
        << "caption" << QVariant(5) << QByteArray("Caption") << QVariant(QString());
    QTest::newRow("tooltip type out of range")
        << "ToolTipType" << QVariant(2) << QByteArray("ToolTipType") << QVariant(1);
    QTest::newRow("tooltip title key") << "TOOLTIPTITLE" << QVariant(QStringLiteral("题")) << QByteArray("ToolTipTitle")
                                       << QVariant(QStringLiteral("题"));
}

void ButtonTest::loadedValues()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    isButton b;
    b.setPalette(testsupport::fixedPalette());
    PropertyBag bag;
    bag.write(key, value);
    b.loadProperties(bag);
    QCOMPARE(b.property(property.constData()), expected);
}

void ButtonTest::themeFallback_data()
{
    QTest::addColumn<bool>("themed");
    QTest::addColumn<int>("nonThemeStyle");
    QTest::addColumn<int>("expected");
    QTest::newRow("themes available") << true << 5 << 6;
    QTest::newRow("no themes, non-theme style 5") << false << 5 << 5;
    QTest::newRow("no themes, non-theme style 7") << false << 7 << 7;
    QTest::newRow("no themes, non-theme style 6") << false << 6 << 5; // never itself
}

void ButtonTest::themeFallback()
{
    QFETCH(bool, themed);
    QFETCH(int, nonThemeStyle);
    QFETCH(int, expected);
    isButton::setThemeProbe([themed](const QStyle*) { return themed; });
    auto b = makeButton();
    b->setNonThemeStyle(nonThemeStyle);
    b->setButtonStyle(6);
    QCOMPARE(b->buttonStyle(), expected);
    b->grab();
    QCOMPARE(b->buttonStyle(), expected); // and from then on
    QCOMPARE(b->saveProperties().read(QStringLiteral("Style")), QVariant(expected));
}

void ButtonTest::themeFallbackPaintsLikeStyle5()
{
    // The classic style has no theme parts; a style 6 button loaded without a non-theme
    // style paints and reports style 5.
    std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    QVERIFY(classic);
    PropertyBag bag;
    bag.write(QStringLiteral("Style"), 6);
    bag.write(QStringLiteral("Caption"), QStringLiteral("主题"));
    auto themedButton = makeButton();
    themedButton->setStyle(classic.get());
    themedButton->loadProperties(bag);
    QCOMPARE(themedButton->buttonStyle(), 5);

    bag.write(QStringLiteral("Style"), 5);
    auto rounded = makeButton();
    rounded->setStyle(classic.get());
    rounded->loadProperties(bag);
    QCOMPARE(themedButton->grab().toImage(), rounded->grab().toImage());

    // A theme that goes away later: the next refresh falls back.
    bag.write(QStringLiteral("Style"), 6);
    auto later = makeButton();
    later->loadProperties(bag);
    QCOMPARE(later->buttonStyle(), 6);
    later->setStyle(classic.get());
    QCOMPARE(later->buttonStyle(), 5);
}

void ButtonTest::definitionsFromResources_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("pmzb") << ":/widgets/buttons/pmzb.btn"
                          << "pmzb" << 8 << QStringLiteral("开始评分") << 12.0 << true;
    QTest::newRow("yingxy") << ":/widgets/buttons/yingxy.btn"
                            << "yingxy" << 8 << QStringLiteral("开始取名") << 12.0 << true;
    QTest::newRow("detail") << ":/widgets/buttons/detail.btn"
                            << "detail" << 2 << QStringLiteral("详细解释") << 9.0 << false;
    QTest::newRow("isButton1") << ":/widgets/buttons/isButton1.btn"
                               << "isButton1" << 5 << QStringLiteral("点击进入淘宝直营店") << 10.5 << false;
}

void ButtonTest::definitionsFromResources()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(int, style);
    QFETCH(QString, caption);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    QWidget host;
    QString error;
    isButton* b = xingming::widgets::createButtonFromResource(path, &host, &error);
    QVERIFY2(b, qPrintable(error));
    QCOMPARE(b->parent(), &host);
    QCOMPARE(b->objectName(), name);
    QCOMPARE(b->buttonStyle(), style);
    QCOMPARE(b->caption(), caption);
    QCOMPARE(b->font().pointSizeF(), pointSize);
    QCOMPARE(b->font().bold(), bold);
    QCOMPARE(b->font().family(), QStringLiteral("宋体"));
    QCOMPARE(b->iconVisible(), false);
    QCOMPARE(b->toolTipType(), 0);
    QCOMPARE(b->nonThemeStyle(), 0);
    QCOMPARE(b->useCustomColors(), false);
}

void ButtonTest::missingDefinition()
{
    QWidget host;
    QString error;
    QCOMPARE(xingming::widgets::createButtonFromResource(QStringLiteral(":/widgets/buttons/none.btn"), &host, &error),
             nullptr);
    QVERIFY(error.contains(QStringLiteral("none.btn")));
    QVERIFY(host.findChildren<isButton*>().isEmpty());
}

int runButtonTests(int argc, char** argv)
{
    ButtonTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "isbutton_test.moc"
