// isButton's pixels: style 8 at known pixels, the regions of styles 5, 8 and 10, the icon's
// place and the style 4 shadow, the caption colours and the glass images of style 10.
#include "widgets/buttonresource.h"
#include "widgets/isbutton.h"

#include "testsupport.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QTest>

#include <memory>

using xingming::widgets::isButton;
using State = isButton::State;
using testsupport::shifted;

namespace {

std::unique_ptr<isButton> makeButton(int style, QSize size)
{
    auto b = std::make_unique<isButton>();
    b->setPalette(testsupport::fixedPalette());
    b->setButtonStyle(style);
    b->setCaption(QString());
    b->resize(size);
    return b;
}

QColor pixelAt(isButton& b, QPoint p)
{
    return QColor(b.grab().toImage().pixel(p));
}

void giveFocus(isButton& b)
{
    QFocusEvent e(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&b, &e);
}

// Bounding box of the pixels of exactly colour c.
QRect boxOf(const QImage& image, const QColor& c)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}

int countOf(const QImage& image, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += QColor(image.pixel(x, y)) == c ? 1 : 0;
    return n;
}

} // namespace

class ButtonPaintTest : public QObject {
    Q_OBJECT
private slots:
    void style8Pixels_data();
    void style8Pixels();
    void region_data();
    void region();
    void iconPlace_data();
    void iconPlace();
    void style4IconShadow();
    void captionColour_data();
    void captionColour();
    void glassImages_data();
    void glassImages();
    void focusMark_data();
    void focusMark();
    void focusMarkOfReportButtons();
};

void ButtonPaintTest::style8Pixels_data()
{
    // Expected colours worked out from the description of style 8 for a 60 by 24 button:
    // bg is base when normal, HighlightColor (custom colours) or shift(face, 15) otherwise;
    // the body gradient runs from (2, 2) over h - 6 = 18 rows, so its ends are rows 2 and
    // 19; the inner lines are rows 1 and h - 3 = 21 and columns 1 and w - 3 = 57; the border
    // is rows 0 and h - 2 = 22 and columns 0 and w - 2 = 58 with corner pixels at (1, 1),
    // (1, 21), (57, 1), (57, 21); the outer shadow is row 23 and column 59.
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");

    const QColor base(200, 100, 50);
    const QColor accent(40, 120, 220);
    const QColor face = testsupport::kFace;

    struct Case {
        const char* state;
        bool custom;
        QColor bg;
        QColor border;
        bool pressed;
    };
    const Case cases[] = {
        {"normal", true, base, shifted(base, -48), false},
        {"hot", true, accent, shifted(base, -48), false},
        {"pressed", true, accent, shifted(base, -48), true},
        {"focus", true, base, shifted(base, -96), false},
        {"normal", false, face, shifted(face, -48), false},
        {"hot", false, shifted(face, 15), shifted(face, -48), false},
        {"pressed", false, shifted(face, 15), shifted(face, -48), true},
    };
    for (const Case& c : cases) {
        const QString name =
            QString::fromLatin1(c.state) + (c.custom ? QStringLiteral(" custom") : QStringLiteral(" system"));
        const QColor light = shifted(c.bg, 96);
        const QColor topLeft = c.pressed ? c.bg : light;
        const QColor bottomRight = c.pressed ? light : c.bg;
        const QColor first = shifted(c.bg, c.pressed ? -15 : 15);
        const QColor last = shifted(c.bg, c.pressed ? 15 : -15);
        const QColor shadow = shifted(c.border, 21);
        const auto row = [&](const char* what, QPoint at, const QColor& expected) {
            QTest::newRow(qPrintable(name + QStringLiteral(", ") + QString::fromLatin1(what)))
                << QString::fromLatin1(c.state) << c.custom << at << expected;
        };
        row("border top", {30, 0}, c.border);
        row("border left", {0, 12}, c.border);
        row("border bottom", {30, 22}, c.border);
        row("border right", {58, 12}, c.border);
        row("corner top left", {1, 1}, c.border);
        row("corner bottom left", {1, 21}, c.border);
        row("corner top right", {57, 1}, c.border);
        row("corner bottom right", {57, 21}, c.border);
        row("inner top", {30, 1}, topLeft);
        row("inner left", {1, 12}, topLeft);
        row("inner bottom", {30, 21}, bottomRight);
        row("inner right", {57, 12}, bottomRight);
        row("gradient first row", {30, 2}, first);
        row("gradient last row", {30, 19}, last);
        row("shadow bottom", {30, 23}, shadow);
        row("shadow right", {59, 12}, shadow);
    }
}

void ButtonPaintTest::style8Pixels()
{
    QFETCH(QString, state);
    QFETCH(bool, custom);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    auto b = makeButton(8, QSize(60, 24));
    b->setUseCustomColors(custom);
    b->setBackColor(QColor(200, 100, 50));
    b->setHighlightColor(QColor(40, 120, 220));
    if (state == u"hot")
        b->forceState(State::Hot);
    else if (state == u"pressed")
        QTest::mousePress(b.get(), Qt::LeftButton);
    else if (state == u"focus")
        giveFocus(*b);
    QCOMPARE(pixelAt(*b, at), expected);
}

void ButtonPaintTest::region_data()
{
    // Row spans [left, right) of a 60 by 24 button. For the polygons, a pixel row y takes
    // the polygon's extent along the line y (its left edge in, its right edge out); the
    // rounded rectangle of style 10 takes the pixels whose centres lie inside circles of
    // radius 9 at the corners: row 0 is cut where sqrt(81 - 8.5^2) = 2.96 leaves 6.04, and
    // so on (4.03, 2.78, 1.88, 1.21, 0.71, 0.35 for rows 1 to 6).
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    const int w = 60, h = 24;
    const int rows5[][3] = {{0, 1, w - 1}, {1, 0, w}, {12, 0, w}, {h - 2, 0, w}, {h - 1, 1, w - 1}};
    for (const auto& r : rows5)
        QTest::newRow(qPrintable(QStringLiteral("style 5 row ") + QString::number(r[0]))) << 5 << r[0] << r[1] << r[2];
    QTest::newRow("style 7 row 0") << 7 << 0 << 1 << w - 1;
    const int rows8[][3] = {{0, 2, w - 3}, {1, 1, w - 2}, {2, 0, w - 1},     {3, 0, w},
                            {h - 4, 0, w}, {h - 3, 1, w}, {h - 2, 2, w - 1}, {h - 1, 3, w - 2}};
    for (const auto& r : rows8)
        QTest::newRow(qPrintable(QStringLiteral("style 8 row ") + QString::number(r[0]))) << 8 << r[0] << r[1] << r[2];
    QTest::newRow("style 9 row 23") << 9 << h - 1 << 3 << w - 2;
    const int cuts10[] = {6, 4, 3, 2, 1, 1, 0};
    for (int y = 0; y < 7; ++y) {
        QTest::newRow(qPrintable(QStringLiteral("style 10 row ") + QString::number(y)))
            << 10 << y << cuts10[y] << w - cuts10[y];
        QTest::newRow(qPrintable(QStringLiteral("style 10 row ") + QString::number(h - 1 - y)))
            << 10 << h - 1 - y << cuts10[y] << w - cuts10[y];
    }
    QTest::newRow("style 10 middle row") << 10 << 12 << 0 << w;
    QTest::newRow("style 0 row 0") << 0 << 0 << 0 << w;
    QTest::newRow("style 6 row 23") << 6 << h - 1 << 0 << w;
}

void ButtonPaintTest::region()
{
    QFETCH(int, style);
    QFETCH(int, y);
    QFETCH(int, left);
    QFETCH(int, right);
    isButton::setThemeProbe([](const QStyle*) { return true; });
    auto b = makeButton(style, QSize(60, 24));
    isButton::setThemeProbe({});
    const QRegion r = b->windowRegion();
    QString row;
    for (int x = 0; x < 60; ++x)
        row += r.contains(QPoint(x, y)) ? QLatin1Char('#') : QLatin1Char('.');
    QString expected;
    for (int x = 0; x < 60; ++x)
        expected += x >= left && x < right ? QLatin1Char('#') : QLatin1Char('.');
    QCOMPARE(row, expected);
    // The region is the button's window shape; rectangular styles carry no mask.
    if (style == 0 || style == 6)
        QVERIFY(b->mask().isEmpty());
    else
        QCOMPARE(b->mask(), r);
}

void ButtonPaintTest::iconPlace_data()
{
    // A 16-pixel icon on a 60 by 40 button: centred on the axis the alignment does not
    // name, at the style's margin (4; 5 for styles 5 and 7; 7 for 9 and 10) from the named
    // edge, one pixel right and down when pressed.
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("style 1 centre") << 1 << 0 << false << QPoint(22, 12);
    QTest::newRow("style 1 left") << 1 << 1 << false << QPoint(4, 12);
    QTest::newRow("style 1 right") << 1 << 2 << false << QPoint(40, 12);
    QTest::newRow("style 1 top") << 1 << 3 << false << QPoint(22, 4);
    QTest::newRow("style 1 bottom") << 1 << 4 << false << QPoint(22, 20);
    QTest::newRow("style 1 left pressed") << 1 << 1 << true << QPoint(5, 13);
    QTest::newRow("style 5 left") << 5 << 1 << false << QPoint(5, 12);
    QTest::newRow("style 7 bottom") << 7 << 4 << false << QPoint(22, 19);
    QTest::newRow("style 9 left") << 9 << 1 << false << QPoint(7, 12);
    QTest::newRow("style 10 right") << 10 << 2 << false << QPoint(37, 12);
    QTest::newRow("style 8 top pressed") << 8 << 3 << true << QPoint(23, 5);
}

void ButtonPaintTest::iconPlace()
{
    QFETCH(int, style);
    QFETCH(int, align);
    QFETCH(bool, pressed);
    QFETCH(QPoint, topLeft);
    const QColor red(255, 0, 0);
    auto b = makeButton(style, QSize(60, 40));
    QPixmap icon(16, 16);
    icon.fill(red);
    b->setIcon(icon);
    b->setIconAlign(align);
    b->setIconVisible(true);
    if (pressed)
        QTest::mousePress(b.get(), Qt::LeftButton);
    QCOMPARE(boxOf(b->grab().toImage(), red), QRect(topLeft, QSize(16, 16)));

    b->setIconVisible(false);
    QCOMPARE(countOf(b->grab().toImage(), red), 0);
}

void ButtonPaintTest::style4IconShadow()
{
    // The icon: a red 8 by 8 square inside a transparent 16 by 16 picture, centred at
    // (22, 12) on a 60 by 40 button, so the square covers (26..33, 16..23).
    const QColor red(255, 0, 0);
    const QColor grey(128, 128, 128);
    QPixmap icon(16, 16);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.fillRect(QRect(4, 4, 8, 8), red);
    }
    auto b = makeButton(4, QSize(60, 40));
    b->setIcon(icon);
    b->setIconVisible(true);

    QImage normal = b->grab().toImage();
    QCOMPARE(boxOf(normal, red), QRect(26, 16, 8, 8));
    QCOMPARE(countOf(normal, grey), 0);

    // Hot: the grey silhouette stays where the icon was, the icon moves 2 up and left.
    b->forceState(State::Hot);
    const QImage hot = b->grab().toImage();
    QCOMPARE(boxOf(hot, red), QRect(24, 14, 8, 8));
    QCOMPARE(QColor(hot.pixel(33, 23)), grey);
    QCOMPARE(QColor(hot.pixel(32, 22)), grey);
    QCOMPARE(countOf(hot, grey), 8 * 8 - 6 * 6);
    QCOMPARE(QColor(hot.pixel(34, 24)), QColor(hot.pixel(1, 1))); // the fill, untouched
}

void ButtonPaintTest::captionColour_data()
{
    // With custom colours: FontColor when normal, FontHighlightColor when hot or pressed,
    // the grey-text colour when disabled; without: the button text colour, grey disabled.
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QColor>("seen");
    const QColor fontColour(0, 0, 200), highlightColour(200, 0, 0), grey = testsupport::kGreyText;
    QTest::newRow("custom normal") << true << "normal" << fontColour;
    QTest::newRow("custom hot") << true << "hot" << highlightColour;
    QTest::newRow("custom pressed") << true << "pressed" << highlightColour;
    QTest::newRow("custom disabled") << true << "disabled" << grey;
    QTest::newRow("system hot") << false << "hot" << testsupport::kButtonText;
    QTest::newRow("system disabled") << false << "disabled" << grey;
}

void ButtonPaintTest::captionColour()
{
    QFETCH(bool, custom);
    QFETCH(QString, state);
    QFETCH(QColor, seen);
    const QColor fontColour(0, 0, 200), highlightColour(200, 0, 0), grey = testsupport::kGreyText;
    auto b = makeButton(1, QSize(120, 40));
    b->setCaption(QStringLiteral("WWW"));
    QFont font = b->font();
    font.setPixelSize(24);
    font.setBold(true);
    b->setFont(font);
    b->setUseCustomColors(custom);
    b->setBackColor(QColor(230, 230, 230));
    b->setHighlightColor(QColor(220, 220, 255));
    b->setFontColor(fontColour);
    b->setFontHighlightColor(highlightColour);
    if (state == u"hot")
        b->forceState(State::Hot);
    else if (state == u"pressed")
        b->forceState(State::Pressed);
    else if (state == u"disabled")
        b->setEnabled(false);
    const QImage image = b->grab().toImage();
    QVERIFY(countOf(image, seen) > 20);
    for (const QColor& other : {fontColour, highlightColour, grey, testsupport::kButtonText})
        if (other != seen)
            QCOMPARE(countOf(image, other), 0);
}

void ButtonPaintTest::glassImages_data()
{
    // The normal image shows in the normal and disabled states without focus, the hot one
    // when hot or when focused; the normal image's middle is RGB 232, 232, 234 from 18
    // pixels in and 11 down.
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<int>("image");
    QTest::newRow("normal") << 1 << false << 1;
    QTest::newRow("disabled") << 4 << false << 1;
    QTest::newRow("hot") << 2 << false << 2;
    QTest::newRow("normal with focus") << 1 << true << 2;
    QTest::newRow("disabled with focus") << 4 << true << 2;
    QTest::newRow("pressed") << 3 << false << 3;
}

void ButtonPaintTest::glassImages()
{
    QFETCH(int, state);
    QFETCH(bool, focus);
    QFETCH(int, image);
    const auto middle = [](int s, bool withFocus, QPoint at) {
        auto b = makeButton(10, QSize(80, 40));
        if (withFocus)
            giveFocus(*b);
        b->forceState(static_cast<State>(s));
        return QColor(b->grab().toImage().pixel(at));
    };
    QCOMPARE(middle(1, false, {18, 11}), QColor(232, 232, 234));
    QVERIFY(middle(2, false, {18, 11}) != middle(1, false, {18, 11}));
    QVERIFY(middle(3, false, {18, 11}) != middle(2, false, {18, 11}));
    const QColor expected = middle(image, false, {18, 11});
    QCOMPARE(middle(state, focus, {18, 11}), expected);
    QCOMPARE(middle(state, focus, {40, 20}), expected); // the whole middle is one colour
}

void ButtonPaintTest::focusMark_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("state");
    for (int style = 0; style <= 10; ++style)
        for (int state : {1, 2})
            QTest::newRow(qPrintable(QStringLiteral("style %1 state %2").arg(style).arg(state))) << style << state;
}

// With ShowFocus on, every style shows that it has the keyboard focus, at rest and hot.
void ButtonPaintTest::focusMark()
{
    QFETCH(int, style);
    QFETCH(int, state);
    isButton::setThemeProbe([](const QStyle*) { return true; });
    const auto paint = [&](bool focus) {
        auto b = makeButton(style, QSize(80, 24));
        isButton::setThemeProbe({});
        b->setCaption(QStringLiteral("详细解释"));
        b->setShowFocus(true);
        if (focus)
            giveFocus(*b);
        b->forceState(static_cast<State>(state));
        return b->grab().toImage();
    };
    const QImage unfocused = paint(false);
    const QImage focused = paint(true);
    QVERIFY(unfocused != focused);
}

void ButtonPaintTest::focusMarkOfReportButtons()
{
    // The report window's "详细解释" buttons (style 2, which has no focus look of its own)
    // show the focus mark.
    QWidget host;
    isButton* b = xingming::widgets::createButtonFromResource(QStringLiteral(":/widgets/buttons/detail.btn"), &host);
    QVERIFY(b);
    QVERIFY(b->showFocus());
    b->resize(80, 24);
    const QImage unfocused = b->grab().toImage();
    giveFocus(*b);
    QVERIFY(b->grab().toImage() != unfocused);
}

int runButtonPaintTests(int argc, char** argv)
{
    ButtonPaintTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "isbutton_paint_test.moc"
