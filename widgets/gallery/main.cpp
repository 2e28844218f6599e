// isbutton-gallery: every style of isButton in every state, with system and with custom
// colours, the icon alignments, a check button and the two kinds of tooltip.
//   isbutton-gallery [--grab FILE.png]   --grab saves the window and quits
#include "widgets/isbutton.h"
#include "widgets/istooltip.h"

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

using xingming::widgets::isButton;
using xingming::widgets::isToolTip;

namespace {

const char16_t* const kStyleNames[] = {u"立体",     u"平面", u"平面描边", u"面板",     u"悬停框", u"圆角",
                                       u"系统主题", u"渐变", u"柔和圆角", u"斜面圆角", u"玻璃"};
const char16_t* const kStateNames[] = {u"正常", u"热", u"按下", u"禁用"};

QPixmap demoIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(200, 40, 40));
    p.setPen(QPen(QColor(120, 0, 0), 2));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(16, 9), QPointF(16, 23));
    p.drawLine(QPointF(9, 16), QPointF(23, 16));
    return pm;
}

isButton* makeButton(QWidget* parent, int style, int state, bool custom)
{
    auto* b = new isButton(parent);
    b->setButtonStyle(style);
    b->setCaption(QStringLiteral("样式 ") + QString::number(style));
    b->setFixedSize(92, 28);
    if (custom) {
        b->setUseCustomColors(true);
        b->setBackColor(QColor(120, 180, 120));
        b->setHighlightColor(QColor(240, 170, 60));
        b->setFontColor(QColor(20, 50, 20));
        b->setFontHighlightColor(QColor(120, 20, 0));
    }
    // The gallery holds each look still: the mouse must not change it.
    b->setTrackingAvailable(false);
    if (state == 3)
        b->setEnabled(false);
    else if (state == 1)
        b->forceState(isButton::State::Hot);
    else if (state == 2)
        b->forceState(isButton::State::Pressed);
    return b;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    QFont song(QStringLiteral("宋体"));
    song.setPointSize(9);
    app.setFont(song);

    QString grabFile;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--grab")); i >= 0 && i + 1 < args.size())
        grabFile = args[i + 1];

    QWidget window;
    window.setWindowTitle(QStringLiteral("isButton 样式一览"));
    auto* outer = new QVBoxLayout(&window);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(heading(QStringLiteral("系统颜色"), &window), 0, 1, 1, 4);
    grid->addWidget(heading(QStringLiteral("自定义颜色"), &window), 0, 6, 1, 4);
    for (int s = 0; s < 4; ++s) {
        grid->addWidget(heading(QString::fromUtf16(kStateNames[s]), &window), 1, 1 + s);
        grid->addWidget(heading(QString::fromUtf16(kStateNames[s]), &window), 1, 6 + s);
    }
    grid->setColumnMinimumWidth(5, 16);
    for (int style = 0; style < 11; ++style) {
        auto* label =
            new QLabel(QString::number(style) + QStringLiteral("  ") + QString::fromUtf16(kStyleNames[style]), &window);
        grid->addWidget(label, 2 + style, 0);
        for (int state = 0; state < 4; ++state) {
            grid->addWidget(makeButton(&window, style, state, false), 2 + style, 1 + state);
            grid->addWidget(makeButton(&window, style, state, true), 2 + style, 6 + state);
        }
    }
    outer->addLayout(grid);

    // Icons: the five alignments on style 1, the style 4 shadow when hot, the pressed offset.
    const QPixmap icon = demoIcon();
    auto* icons = new QHBoxLayout;
    icons->addWidget(new QLabel(QStringLiteral("图标"), &window));
    const char16_t* const alignNames[] = {u"居中", u"左", u"右", u"上", u"下"};
    for (int align = 0; align < 5; ++align) {
        auto* b = new isButton(&window);
        b->setButtonStyle(align == 0 ? 4 : 1);
        b->setIcon(icon);
        b->setIconVisible(true);
        b->setIconAlign(align);
        b->setCaptionAlign(align == 1 ? 2 : (align == 2 ? 1 : (align == 3 ? 4 : (align == 4 ? 3 : 0))));
        b->setCaption(align == 0 ? QString() : QString::fromUtf16(alignNames[align]));
        b->setFixedSize(align >= 3 ? QSize(64, 48) : QSize(92, 28));
        b->setTrackingAvailable(false);
        b->forceState(isButton::State::Hot);
        icons->addWidget(b);
    }
    auto* pressedIcon = new isButton(&window);
    pressedIcon->setButtonStyle(8);
    pressedIcon->setIcon(icon);
    pressedIcon->setIconVisible(true);
    pressedIcon->setIconAlign(1);
    pressedIcon->setCaption(QStringLiteral("按下"));
    pressedIcon->setFixedSize(92, 28);
    pressedIcon->setTrackingAvailable(false);
    pressedIcon->forceState(isButton::State::Pressed);
    icons->addWidget(pressedIcon);

    auto* check = new isButton(&window);
    check->setButtonStyle(8);
    check->setButtonType(1);
    check->setValue(true);
    check->setCaption(QStringLiteral("复选 按下"));
    check->setFixedSize(92, 28);
    check->setTrackingAvailable(false);
    icons->addWidget(check);

    auto* focused = new isButton(&window);
    focused->setButtonStyle(8);
    focused->setCaption(QStringLiteral("有焦点"));
    focused->setShowFocus(true);
    focused->setFixedSize(92, 28);
    focused->setTrackingAvailable(false);
    icons->addWidget(focused);

    auto* bigSoft = new isButton(&window);
    bigSoft->setButtonStyle(8);
    bigSoft->setCaption(QStringLiteral("开始评分"));
    QFont bold = song;
    bold.setPointSize(12);
    bold.setBold(true);
    bigSoft->setFont(bold);
    bigSoft->setFixedSize(110, 34);
    bigSoft->setTrackingAvailable(false);
    icons->addWidget(bigSoft);
    icons->addStretch();
    outer->addLayout(icons);

    // The tooltips: a balloon with title and icon, a rectangle with colours of its own.
    auto* tips = new QHBoxLayout;
    auto* balloonOwner = new isButton(&window);
    balloonOwner->setButtonStyle(5);
    balloonOwner->setCaption(QStringLiteral("气球提示"));
    balloonOwner->setFixedSize(110, 28);
    balloonOwner->setTrackingAvailable(false);
    auto* rectOwner = new isButton(&window);
    rectOwner->setButtonStyle(10);
    rectOwner->setCaption(QStringLiteral("矩形提示"));
    rectOwner->setFixedSize(110, 28);
    rectOwner->setTrackingAvailable(false);
    tips->addWidget(balloonOwner);
    tips->addSpacing(260);
    tips->addWidget(rectOwner);
    tips->addStretch();
    outer->addLayout(tips);
    outer->addSpacing(90);

    window.show();
    window.activateWindow();
    focused->setFocus();

    isToolTip::Content balloon;
    balloon.text = QStringLiteral("按下开始评分 & 查看报告");
    balloon.title = QStringLiteral("提示");
    balloon.icon = 1;
    balloon.balloon = true;
    auto* balloonTip = new isToolTip(balloonOwner, balloon);
    isToolTip::Content plain;
    plain.text = QStringLiteral("矩形提示，自定义颜色");
    plain.back = QColor(255, 250, 205);
    plain.fore = QColor(120, 0, 0);
    auto* rectTip = new isToolTip(rectOwner, plain);

    QTimer::singleShot(200, &window, [&] {
        balloonTip->popUp(balloonOwner->mapToGlobal(QPoint(balloonOwner->width() / 2, balloonOwner->height())));
        rectTip->popUp(rectOwner->mapToGlobal(QPoint(rectOwner->width() / 2, rectOwner->height() - 18)));
        if (!grabFile.isEmpty()) {
            window.grab().save(grabFile);
            app.quit();
        }
    });
    return app.exec();
}
