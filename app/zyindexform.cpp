#include "app/zyindexform.h"

#include "app/buttons.h"
#include "app/fonts.h"
#include "app/frmbq.h"
#include "app/frmby.h"
#include "app/funtoolspanel.h"
#include "app/inputs.h"
#include "app/messageboxes.h"
#include "app/pfindexform.h"
#include "app/textconv.h"
#include "app/twips.h"
#include "app/vendorpageopener.h"
#include "app/sitebase.h"
#include "app/webwindows.h"

#include "naming/namingrequest.h"
#include "naming/chartable.h"
#include "naming/nametest.h"
#include "naming/suggest.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

// The window's images live in the library's resources, which a static library must
// register itself.
static void initAppResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace xingming::app {

namespace {

using calendar::CalendarKind;
using calendar::Sex;

// Field captions are drawn 9 pt bold in the system highlight colour.
QLabel* fieldCaption(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setFont(songFont(9, true));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Highlight));
    l->setPalette(p);
    return l;
}

QRadioButton* option(const char* name, const QString& text, QWidget* parent, const QRect& r)
{
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    return b;
}

// An untitled frame holding a group of option buttons of its own.
QGroupBox* optionFrame(const QString& title, QWidget* parent, const QRect& r)
{
    auto* g = new QGroupBox(title, parent);
    g->setGeometry(r);
    if (!title.isEmpty())
        g->setStyleSheet(QStringLiteral(
            "QGroupBox { font-weight: bold; margin-top: 9px; border: 1px solid palette(mid); border-radius: 2px; }"
            " QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: palette(highlight); }"));
    return g;
}

// "开始评分" and "开始取名": owner-drawn buttons of style 8, 12 pt bold.
widgets::isButton* startButton(const char* name, QWidget* parent, const QRect& r)
{
    widgets::isButton* b = makeButton(name, name, parent);
    b->setGeometry(r);
    return b;
}

// The date lists of a panel: year, month, day and hour with their unit captions, placed
// in one row from (left, top) in twips.
std::array<DateCombo*, 4> dateRow(QWidget* parent, const char* const names[4], int left, int top)
{
    const QString messages[] = {QStringLiteral("年份只能输入数字！"), QStringLiteral("月份只能输入数字！"),
                                QStringLiteral("日期只能输入数字！"), QStringLiteral("时辰只能输入数字！")};
    const QString units[] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"), QStringLiteral("时")};
    const int widths[] = {1080, 780, 780, 780};
    DateCombo* combos[4];
    int x = left;
    for (int i = 0; i < 4; ++i) {
        combos[i] = new DateCombo(messages[i], parent);
        combos[i]->setObjectName(QString::fromLatin1(names[i]));
        combos[i]->setAccessibleName(units[i]);
        combos[i]->lineEdit()->setAccessibleName(units[i]);
        combos[i]->setGeometry(twipsRect(x, top, widths[i], 330, parent));
        combos[i]->setMaxVisibleItems(12);
        auto* unit = new QLabel(units[i], parent);
        unit->setGeometry(twipsRect(x + widths[i] + 45, top + 30, 300, 270, parent));
        x += widths[i] + 330;
    }
    return {combos[0], combos[1], combos[2], combos[3]};
}

void fillDateRow(const std::array<DateCombo*, 4>& row)
{
    row[0]->fill(1930, 2030);
    row[1]->fill(1, 12);
    row[2]->fill(1, 31);
    row[3]->fill(0, 23);
}

} // namespace

zyIndexForm::zyIndexForm(QWidget* parent) : QWidget(parent)
{
    initAppResources();
    installSongFont();
    setObjectName(QStringLiteral("zyIndexForm"));
    setWindowTitle(QStringLiteral("姓名测试与取名"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/xingming.svg")));
    setFont(songFont(9));
    setFixedSize(twipsSize(9150, 6960, this));

    // Created from the bottom of the z-order up: later siblings cover earlier ones.
    buildToolbar();
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setGeometry(twipsRect(0, 6585, 9150, 375, this));
    m_statusBar->setSizeGripEnabled(false);
    m_statusWelcome = new QLabel(QStringLiteral("欢迎使用姓名测试与取名。所有计算都在本机完成。"), m_statusBar);
    m_statusBar->addWidget(m_statusWelcome, 1);
    // What the last name test found worth telling, in place of the welcome while it holds.
    m_statusWarning = new QLabel(m_statusBar);
    m_statusWarning->setObjectName(QStringLiteral("statusWarning"));
    m_statusBar->addWidget(m_statusWarning, 1);
    m_statusWarning->hide();
    // The name-test panel and the fun tools are made when first opened (nameTestPanel(),
    // funTools()): the window shows sooner and smaller.
    buildTips();
    buildNamingPanel();

    // The panels stand as after "create"; the character table is built by its first lookup.
    stepCreate();
    centreOnScreen(this);
}

zyIndexForm::~zyIndexForm() = default;

QFrame* zyIndexForm::nameTestPanel()
{
    if (!m_pingf) {
        buildNameTestPanel();
        // Under the tips frame, where it stood when it was made with the window. The tab
        // order needs no mending: it is never shown with the naming panel, and two panels
        // shown together take turns in one cycle whichever was made first.
        m_pingf->stackUnder(m_wqtsf);
    }
    return m_pingf;
}

FunToolsPanel* zyIndexForm::funTools()
{
    if (!m_qucef) {
        m_qucef = new FunToolsPanel(this);
        m_qucef->setGeometry(twipsRect(120, 960, 8895, 5655, this));
        m_qucef->hide();
    }
    return m_qucef;
}

void zyIndexForm::buildToolbar()
{
    m_dhtbar = new QToolBar(this);
    m_dhtbar->setObjectName(QStringLiteral("dhtbar"));
    m_dhtbar->setGeometry(twipsRect(0, 0, 9150, 870, this));
    m_dhtbar->setMovable(false);
    m_dhtbar->setIconSize(QSize(twipsToPixels(480, this), twipsToPixels(480, this)));
    m_dhtbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Button {
        const char* caption;
        const char* key;
        const char* image;
    };
    // Images 1 to 6 of the image list for buttons 1 to 6, image 8 for button 7.
    const Button buttons[] = {{"取名首页", "create", "tb1"}, {"名字打分", "test", "tb2"},
                              {"趣味测算", "more", "tb3"},   {"必读说明", "state", "tb4"},
                              {"购买软件", "buy", "tb5"},    {"分享有礼", "fenxiang", "tb6"},
                              {"退出登陆", "exit", "tb8"}};
    int index = 1;
    for (const Button& b : buttons) {
        QAction* a = m_dhtbar->addAction(
            QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(b.image) + QStringLiteral(".svg")),
            QString::fromUtf8(b.caption));
        a->setObjectName(QString::fromLatin1(b.key));
        a->setData(index);
        connect(a, &QAction::triggered, this, [this, index] { dhtbarButtonClick(index); });
        ++index;
    }
}

void zyIndexForm::buildNamingPanel()
{
    m_systa = new QTabWidget(this);
    m_systa->setObjectName(QStringLiteral("systa"));
    m_systa->setGeometry(twipsRect(120, 960, 8895, 3135, this));
    const char* const pages[] = {"综合大师模式", "主流高分模式", "个性化模式", "音形义模式"};
    const char* const reasons[] = {
        "*选择理由：一个名字用A算法测是个好名字，用B算法测可能却是个很差的名字。综合大师模式运用多种主流姓名学派别（除"
        "五格剖象法外，还加入天运派、格局派等）的算法进行联合筛选，确保取到的名字在各方面都经得起的考验！是名副其实的好"
        "名字。",
        "*选择理由：这是主流取名软件普遍采用的方法，即根据三才五格的评分为用户取名，在此基础之上，我们加入了五格的灵动"
        "，方便用户挑选最吉祥的名字。此外，跟综合大师模式一样，支持根据喜用神自动弥补五行的不足。",
        "*选择理由：有部分用户对名字的要求是不容易跟别人同名，避免尴尬。个性化模式可以满足这种需求，只要评分高，不管这"
        "个名字是否常用，软件都列出来供用户选择。支持根据喜用神自动弥补五行的不足。",
    };
    for (int i = 0; i < 3; ++i) {
        auto* page = new QWidget;
        auto* text = new QLabel(QString::fromUtf8(reasons[i]), page);
        text->setWordWrap(true);
        text->setFont(songFont(10.5));
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette p = text->palette();
        p.setColor(QPalette::WindowText, QColor(64, 64, 0));
        text->setPalette(p);
        text->setGeometry(twipsRect(360, 240, 5940, 2160, this));
        // Each mode starts from the inputs of the last page, with the same checks.
        const int modePage = i + 1;
        widgets::isButton* start = startButton("yingxy", page, twipsRect(6600, 600, 1800, 690, this));
        start->setObjectName(QStringLiteral("yingxy%1").arg(modePage));
        start->setAccessibleName(QStringLiteral("开始取名（%1）").arg(QString::fromUtf8(pages[i])));
        connect(start, &widgets::isButton::Click, this, [this, modePage] { startNaming(modePage); });
        auto* hint = new QLabel(QStringLiteral("姓氏、性别和出生日期请在“音形义模式”页填写。"), page);
        hint->setWordWrap(true);
        hint->setGeometry(twipsRect(6420, 1410, 2160, 900, this));
        m_systa->addTab(page, QString::fromUtf8(pages[i]));
    }

    auto* page = new QWidget;
    fieldCaption(QStringLiteral("姓氏"), page)->setGeometry(twipsRect(300, 330, 600, 300, this));
    auto* text9 = m_naming.surname = new NameEdit(QStringLiteral("姓只能输入中文"), page);
    text9->setObjectName(QStringLiteral("Text9"));
    text9->setAccessibleName(QStringLiteral("姓氏"));
    text9->setFont(songFont(14.25));
    text9->setGeometry(twipsRect(900, 210, 1200, 480, this));

    QGroupBox* sexFrame = optionFrame({}, page, twipsRect(2400, 90, 2100, 630, this));
    m_naming.male = option("Option25", QStringLiteral("男"), sexFrame, twipsRect(240, 210, 750, 330, this));
    m_naming.female = option("Option26", QStringLiteral("女"), sexFrame, twipsRect(1140, 210, 750, 330, this));
    QGroupBox* lengthFrame = optionFrame({}, page, twipsRect(4740, 90, 2700, 630, this));
    option("Option27", QStringLiteral("单字名"), lengthFrame, twipsRect(240, 210, 1100, 330, this));
    m_naming.twoChars =
        option("Option28", QStringLiteral("双字名"), lengthFrame, twipsRect(1440, 210, 1100, 330, this));
    m_naming.twoChars->setChecked(true);

    QGroupBox* calFrame = optionFrame(QStringLiteral("出生日期的类型"), page, twipsRect(300, 840, 5040, 690, this));
    m_naming.solar = option("Option24", QStringLiteral("公历"), calFrame, twipsRect(240, 270, 1000, 330, this));
    m_naming.lunar = option("Option23", QStringLiteral("农历"), calFrame, twipsRect(1500, 270, 1000, 330, this));
    m_naming.leap = option("Option35", QStringLiteral("农历(闰月)"), calFrame, twipsRect(2760, 270, 1800, 330, this));

    fieldCaption(QStringLiteral("选择出生日期"), page)->setGeometry(twipsRect(300, 1830, 1500, 300, this));
    static const char* const names[] = {"Combo20", "Combo21", "Combo22", "Combo23"};
    m_naming.date = dateRow(page, names, 1800, 1770);
    // Filled when the window loads: 1930 to 2030, 1 to 12, 1 to 31, 0 to 23.
    fillDateRow(m_naming.date);

    widgets::isButton* yingxy = startButton("yingxy", page, twipsRect(6600, 1530, 1800, 690, this));
    connect(yingxy, &widgets::isButton::Click, this, &zyIndexForm::yingxyClick);
    m_systa->addTab(page, QString::fromUtf8(pages[3]));
    m_systa->setCurrentIndex(3);
}

void zyIndexForm::buildNameTestPanel()
{
    m_pingf = new QFrame(this);
    m_pingf->setObjectName(QStringLiteral("pingf"));
    m_pingf->setFrameShape(QFrame::StyledPanel);
    m_pingf->setGeometry(twipsRect(120, 960, 8895, 3165, this));
    QWidget* p = m_pingf;

    fieldCaption(QStringLiteral("姓"), p)->setGeometry(twipsRect(420, 390, 300, 300, this));
    auto* text1 = m_test.surname = new NameEdit(QStringLiteral("姓只能输入中文"), p);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setAccessibleName(QStringLiteral("姓"));
    text1->setFont(songFont(14.25));
    text1->setGeometry(twipsRect(780, 270, 1200, 480, this));
    fieldCaption(QStringLiteral("名"), p)->setGeometry(twipsRect(2280, 390, 300, 300, this));
    auto* text2 = m_test.given = new NameEdit(QStringLiteral("名只能输入中文"), p);
    text2->setObjectName(QStringLiteral("Text2"));
    text2->setAccessibleName(QStringLiteral("名"));
    text2->setFont(songFont(14.25));
    text2->setGeometry(twipsRect(2640, 270, 1200, 480, this));

    QGroupBox* sexFrame = optionFrame({}, p, twipsRect(4200, 150, 2100, 630, this));
    m_test.male = option("Option1", QStringLiteral("男"), sexFrame, twipsRect(240, 210, 750, 330, this));
    m_test.female = option("Option2", QStringLiteral("女"), sexFrame, twipsRect(1140, 210, 750, 330, this));

    QGroupBox* calFrame = optionFrame(QStringLiteral("出生日期的类型"), p, twipsRect(420, 960, 5040, 690, this));
    m_test.solar = option("Option13", QStringLiteral("公历"), calFrame, twipsRect(240, 270, 1000, 330, this));
    m_test.lunar = option("Option18", QStringLiteral("农历"), calFrame, twipsRect(1500, 270, 1000, 330, this));
    m_test.leap = option("Option31", QStringLiteral("农历(闰月)"), calFrame, twipsRect(2760, 270, 1800, 330, this));

    fieldCaption(QStringLiteral("选择出生日期"), p)->setGeometry(twipsRect(420, 1950, 1500, 300, this));
    static const char* const names[] = {"pxznc", "pxzyc", "pxzrc", "pxzsc"};
    m_test.date = dateRow(p, names, 1920, 1890);

    widgets::isButton* pmzb = startButton("pmzb", p, twipsRect(6600, 1650, 1800, 690, this));
    connect(pmzb, &widgets::isButton::Click, this, &zyIndexForm::pmzbClick);
    m_pingf->hide();
}

void zyIndexForm::buildTips()
{
    m_wqtsf = new QGroupBox(QStringLiteral("提示"), this);
    m_wqtsf->setObjectName(QStringLiteral("wqtsf"));
    m_wqtsf->setGeometry(twipsRect(120, 4200, 8895, 2295, this));
    // The caption stands in the frame's line, as with the panels' frames.
    m_wqtsf->setStyleSheet(
        QStringLiteral("QGroupBox#wqtsf { margin-top: 9px; border: 1px solid palette(mid); border-radius: 2px; }"
                       " QGroupBox#wqtsf::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    const char* const naming[] = {
        "1.综合大师模式是运用多种姓名学派别的算法进行联合筛选。",
        "2.主流高分模式是现在大多数取名软件所使用的方法，有评分挑选更方便。",
        "3.个性化模式有很多不常见的名字，名字不分男女全部列出任您挑选。",
        "4.音形义模式更加注重名字的读音、形状和意义。",
        "5.如果设置了辈份字，能弥补五行不足的名字可能并不多哦。",
    };
    int top = 360;
    for (const char* line : naming) {
        auto* l = new QLabel(QString::fromUtf8(line), m_wqtsf);
        l->setGeometry(twipsRect(240, top, 8400, 300, this));
        m_namingTips << l;
        top += 360;
    }
    // "（推荐）" follows the first line, bold green.
    auto* recommended = new QLabel(QStringLiteral("（推荐）"), m_wqtsf);
    recommended->setObjectName(QStringLiteral("tuijian"));
    recommended->setFont(songFont(9, true));
    QPalette p = recommended->palette();
    p.setColor(QPalette::WindowText, QColor(0, 128, 0));
    recommended->setPalette(p);
    const int firstWidth = m_namingTips.front()->fontMetrics().horizontalAdvance(m_namingTips.front()->text());
    recommended->move(twipsToPixels(240, this) + firstWidth, twipsToPixels(360, this));
    recommended->resize(recommended->sizeHint().width(), twipsToPixels(300, this));
    m_namingTips << recommended;

    const char* const test[] = {
        "1.“姓名”所用字的笔划以<<康熙字典>>为准。",
        "2.暂时不支持“姓”超过两个字或“名”超过两个字。",
        "3.依靠后天的努力照样可以摆脱命理的限制，并取得成功。但是",
        "  ，命理好可以让人少走弯路，事半功倍，更容易成功。",
    };
    top = 360;
    for (const char* line : test) {
        auto* l = new QLabel(QString::fromUtf8(line), m_wqtsf);
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(twipsRect(240, top, 8400, 300, this));
        l->hide();
        m_testTips << l;
        top += 360;
    }
}

void zyIndexForm::dhtbarButtonClick(int index)
{
    switch (index) {
    case 1:
        stepCreate();
        break;
    case 2:
        stepTest();
        break;
    case 3:
        stepMore();
        break;
    case 4:
        openNoticeDialog(this);
        break;
    case 5:
        openPurchaseDialog(this);
        break;
    case 6:
        openVendorPage(this, QStringLiteral("huodong"));
        break;
    case 7:
        // "退出登陆" ends the program at once and closes every window.
        QApplication::closeAllWindows();
        QApplication::quit();
        break;
    default:
        break;
    }
}

void zyIndexForm::stepCreate()
{
    if (m_qucef)
        m_qucef->hide();
    m_systa->show();
    m_wqtsf->show();
    for (QLabel* l : m_namingTips)
        l->show();
    if (m_pingf)
        m_pingf->hide();
    for (QLabel* l : m_testTips)
        l->hide();
    m_area = WorkArea::Naming;
}

void zyIndexForm::stepTest()
{
    nameTestPanel();
    if (!m_testListsFilled) {
        m_testListsFilled = true;
        fillDateRow(m_test.date);
    }
    m_pingf->show();
    m_wqtsf->show();
    m_systa->hide();
    for (QLabel* l : m_namingTips)
        l->hide();
    if (m_qucef)
        m_qucef->hide();
    for (QLabel* l : m_testTips)
        l->show();
    m_area = WorkArea::NameTest;
}

void zyIndexForm::stepMore()
{
    funTools()->show();
    m_qucef->raise();
    m_area = WorkArea::FunTools;
}

Sex zyIndexForm::chosenSex(const BirthControls& c)
{
    return c.male->isChecked() ? Sex::Male : c.female->isChecked() ? Sex::Female : Sex::None;
}

CalendarKind zyIndexForm::chosenCalendar(const BirthControls& c)
{
    return c.solar->isChecked()   ? CalendarKind::Solar
           : c.lunar->isChecked() ? CalendarKind::Lunar
           : c.leap->isChecked()  ? CalendarKind::LunarLeap
                                  : CalendarKind::None;
}

calendar::DateFields zyIndexForm::dateFields(const BirthControls& c)
{
    return {utf8(c.date[0]->currentText()), utf8(c.date[1]->currentText()), utf8(c.date[2]->currentText()),
            utf8(c.date[3]->currentText())};
}

void zyIndexForm::pmzbClick()
{
    nameTestPanel();
    naming::NameTestForm form;
    form.surname = utf8(m_test.surname->text());
    form.given = utf8(m_test.given->text());
    form.sex = chosenSex(m_test);
    form.calendar = chosenCalendar(m_test);
    form.date = dateFields(m_test);

    const naming::NameTestOutcome out = naming::runNameTest(form);
    if (!out.report) {
        messageBoxes().tip(this, QString::fromStdString(out.message));
        return;
    }
    const naming::NameTestReport& rep = *out.report;
    // Characters the table lacks are scored as the table says; the user is told which.
    const std::string warning = naming::outsideTableWarning(naming::charsOutsideTable(rep.result));
    m_statusWarning->setText(QString::fromStdString(warning));
    m_statusWarning->setVisible(!warning.empty());
    m_statusWelcome->setVisible(warning.empty());
    sex = qs(calendar::sexText(rep.sex));
    BirthDate = rep.birth;
    tg = rep.result.grids.tg;
    rg = rep.result.grids.rg;
    dG = rep.result.grids.dG;
    wg = rep.result.grids.wg;
    zg = rep.result.grids.zg;

    if (!m_report)
        m_report = new pfIndexForm;
    m_report->fill(rep);
    m_report->show();
    m_report->raise();
    m_report->activateWindow();
}

void zyIndexForm::yingxyClick()
{
    startNaming(naming::kInputsPage);
}

void zyIndexForm::startNaming(int modePage)
{
    naming::NamingForm form;
    form.modePage = modePage;
    form.surname = utf8(m_naming.surname->text());
    form.sex = chosenSex(m_naming);
    form.twoCharName = m_naming.twoChars->isChecked();
    form.calendar = chosenCalendar(m_naming);
    form.date = dateFields(m_naming);

    const naming::NamingOutcome out = naming::runNamingRequest(form);
    // The sex is stored before the lunar conversion, so a failed conversion keeps it.
    if (!out.sex.empty())
        sex = QString::fromStdString(out.sex);
    if (out.refused) {
        messageBoxes().tip(this, QString::fromStdString(out.message));
        return;
    }
    BirthDate = out.birth;
    messageBoxes().tip(this, QString::fromStdString(out.message));
    yxy_str = vendorSiteBase() + QString::fromStdString(out.query);
    // The window is the mode's: "音形义模式取名" for the page of the inputs.
    const auto mode = static_cast<naming::NamingMode>(modePage);
    showNamingResultWindow(yxy_str, QString::fromUtf8(naming::modeName(mode).data(),
                                                      static_cast<qsizetype>(naming::modeName(mode).size())) +
                                        QStringLiteral("取名"));
}

pfIndexForm* zyIndexForm::reportWindow() const
{
    return m_report;
}

} // namespace xingming::app
