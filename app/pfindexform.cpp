#include "app/pfindexform.h"

#include "app/buttons.h"
#include "app/fonts.h"
#include "app/slshowform.h"
#include "app/textconv.h"
#include "app/twips.h"
#include "app/sitebase.h"
#include "app/webpane.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace xingming::app {

namespace {

// The design colour of the lines that the 81 numbers colour.
const QColor kDesignColour(0, 0, 0);

QColor colourOf(std::optional<std::uint32_t> value)
{
    if (!value)
        return kDesignColour;
    // Colour values are blue·65536 + green·256 + red.
    return QColor(static_cast<int>(*value & 0xFF), static_cast<int>((*value >> 8) & 0xFF),
                  static_cast<int>((*value >> 16) & 0xFF));
}

void setColour(QLabel* l, const QColor& c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

QLabel* label(QWidget* parent, const QString& name, const QString& text = {}, bool wrap = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(wrap);
    l->setTextFormat(Qt::PlainText);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

pfIndexForm::pfIndexForm(QWidget* parent) : QWidget(parent)
{
    installSongFont();
    setObjectName(QStringLiteral("pfIndexForm"));
    setWindowTitle(QStringLiteral("评分结果"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(songFont(9));
    setFixedSize(twipsSize(14865, 10425, this));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(rect());
    buildReportPage();
    m_tabs->addTab(buildWebPage(1), QStringLiteral("姓氏"));
    m_tabs->addTab(buildWebPage(2), QStringLiteral("名1"));
    m_tabs->addTab(buildWebPage(3), QStringLiteral("名2"));
    m_tabs->setCurrentIndex(0);
    connect(m_tabs, &QTabWidget::currentChanged, this, &pfIndexForm::pageChanged);
    centreOnScreen(this);
}

void pfIndexForm::buildReportPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("report"));

    // Frame 1: the characters, their strokes and elements, the five grids.
    auto* f1 = new QGroupBox(QStringLiteral("姓名的基本信息"), page);
    f1->setGeometry(twipsRect(120, 60, 6600, 2400, this));
    auto* g1 = new QGridLayout(f1);
    g1->setContentsMargins(twipsToPixels(120, this), twipsToPixels(30, this), twipsToPixels(120, this),
                           twipsToPixels(30, this));
    g1->setHorizontalSpacing(twipsToPixels(180, this));
    g1->setVerticalSpacing(twipsToPixels(30, this));
    g1->addWidget(label(f1, {}, QStringLiteral("笔划数")), 1, 0);
    g1->addWidget(label(f1, {}, QStringLiteral("五行属性")), 2, 0);
    const char* const cells[] = {"xs1", "xs2", "mz1", "mz2"};
    for (int i = 0; i < 4; ++i) {
        QLabel* c = m_labels.cells[static_cast<size_t>(i)] = label(f1, QString::fromLatin1(cells[i]));
        c->setFont(songFont(15.75, true));
        setColour(c, QColor(0, 0, 128));
        c->setAlignment(Qt::AlignCenter);
        g1->addWidget(c, 0, i + 1);
        QLabel* s = m_labels.strokes[static_cast<size_t>(i)] = label(f1, QStringLiteral("bh") + QString::number(i + 1));
        s->setAlignment(Qt::AlignCenter);
        g1->addWidget(s, 1, i + 1);
        QLabel* e = m_labels.elements[static_cast<size_t>(i)] =
            label(f1, QStringLiteral("wx") + QString::number(i + 1));
        e->setAlignment(Qt::AlignCenter);
        g1->addWidget(e, 2, i + 1);
    }
    g1->addWidget(label(f1, {}, QStringLiteral("五格数")), 0, 5);
    const char* const grids[] = {"天格 ->", "人格 ->", "地格 ->", "外格 ->", "总格 ->"};
    const char* const gridNames[] = {"tgl", "rgl", "dgl", "wgl", "zgl"};
    auto* gridBox = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        gridBox->addWidget(label(f1, {}, QString::fromUtf8(grids[i])), i, 0);
        m_labels.grids[static_cast<size_t>(i)] = label(f1, QString::fromLatin1(gridNames[i]));
        gridBox->addWidget(m_labels.grids[static_cast<size_t>(i)], i, 1);
    }
    g1->addLayout(gridBox, 1, 5, 3, 1);
    g1->setRowStretch(3, 1);

    // Frame 2: the birth chart.
    auto* f2 = new QGroupBox(QStringLiteral("您的八字信息"), page);
    f2->setGeometry(twipsRect(6840, 60, 7860, 2400, this));
    auto* g2 = new QGridLayout(f2);
    g2->setContentsMargins(twipsToPixels(120, this), twipsToPixels(30, this), twipsToPixels(120, this),
                           twipsToPixels(30, this));
    const char* const chart[] = {"公历生日", "农历生日", "八字", "五行"};
    const char* const chartNames[] = {"gongli", "nongli", "bazhi", "wuhang"};
    for (int i = 0; i < 4; ++i) {
        g2->addWidget(label(f2, {}, QString::fromUtf8(chart[i])), i, 0);
        m_labels.chart[static_cast<size_t>(i)] = label(f2, QString::fromLatin1(chartNames[i]));
        g2->addWidget(m_labels.chart[static_cast<size_t>(i)], i, 1);
    }
    QLabel* whstr = m_labels.whstr = label(f2, QStringLiteral("whstr"), {}, true);
    whstr->setFont(songFont(9, true));
    g2->addWidget(whstr, 4, 0, 1, 2);
    g2->setColumnStretch(1, 1);
    g2->setRowStretch(5, 1);

    // Frame 3: one line per grid with its button "详细解释".
    auto* f3 = new QGroupBox(QStringLiteral("五格的详细解剖"), page);
    f3->setGeometry(twipsRect(120, 2520, 14580, 2880, this));
    auto* g3 = new QGridLayout(f3);
    g3->setContentsMargins(twipsToPixels(120, this), twipsToPixels(30, this), twipsToPixels(120, this),
                           twipsToPixels(30, this));
    g3->setVerticalSpacing(0);
    const char* const detailButtons[] = {"chuantgb", "isButton2", "isButton3", "isButton4", "isButton5"};
    const char* const lineNames[] = {"tp", "rp", "dp", "wp", "zp"};
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<size_t>(i);
        m_labels.lineHeads[k] = label(f3, QStringLiteral("head_") + QString::fromLatin1(lineNames[i]));
        g3->addWidget(m_labels.lineHeads[k], i * 2, 0);
        QLabel* text = m_labels.lines[k] = label(f3, QString::fromLatin1(lineNames[i]));
        g3->addWidget(text, i * 2 + 1, 0);
        widgets::isButton* b = makeButton("detail", detailButtons[i], f3);
        b->setFixedSize(twipsSize(1080, 300, this));
        g3->addWidget(b, i * 2, 1, 2, 1, Qt::AlignVCenter);
        connect(b, &widgets::isButton::Click, this, [this, i] { openDetail(i); });
    }
    g3->setColumnStretch(0, 1);

    // Frame 4: the three talents and the three kinds of luck.
    auto* f4 = new QGroupBox(QStringLiteral("对各方面的影响"), page);
    f4->setGeometry(twipsRect(120, 5460, 14580, 1620, this));
    auto* g4 = new QGridLayout(f4);
    g4->setContentsMargins(twipsToPixels(120, this), twipsToPixels(30, this), twipsToPixels(120, this),
                           twipsToPixels(30, this));
    g4->setVerticalSpacing(twipsToPixels(30, this));
    const char* const influence[] = {"对三才数理的影响", "对基础运的影响", "对成功运的影响", "对人际关系的影响"};
    const char* const influenceNames[] = {"scp", "jsp", "cgp", "rjp"};
    for (int i = 0; i < 4; ++i) {
        QLabel* caption = label(f4, {}, QString::fromUtf8(influence[i]));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        g4->addWidget(caption, i, 0);
        m_labels.influence[static_cast<size_t>(i)] = label(f4, QString::fromLatin1(influenceNames[i]), {}, true);
        g4->addWidget(m_labels.influence[static_cast<size_t>(i)], i, 1);
    }
    g4->setColumnStretch(1, 1);

    // Frame 5: the four hints, a line each: heading, then its text.
    auto* f5 = new QGroupBox(QStringLiteral("五格的数理暗示"), page);
    f5->setGeometry(twipsRect(120, 7140, 14580, 1440, this));
    auto* g5 = new QGridLayout(f5);
    g5->setContentsMargins(twipsToPixels(120, this), twipsToPixels(30, this), twipsToPixels(120, this),
                           twipsToPixels(30, this));
    g5->setVerticalSpacing(0);
    const char* const hintNames[] = {"ranshi", "danshi", "wanshi", "zanshi"};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<size_t>(i);
        m_labels.hintHeads[k] = label(f5, QStringLiteral("head_") + QString::fromLatin1(hintNames[i]));
        m_labels.hints[k] = label(f5, QString::fromLatin1(hintNames[i]));
        g5->addWidget(m_labels.hintHeads[k], i, 0);
        g5->addWidget(m_labels.hints[k], i, 1);
    }
    g5->setColumnStretch(1, 1);

    // Frame 6: the score and the commentary.
    auto* f6 = new QGroupBox(QStringLiteral("名字点评及得分"), page);
    f6->setGeometry(twipsRect(120, 8640, 12660, 1140, this));
    auto* g6 = new QGridLayout(f6);
    g6->setContentsMargins(twipsToPixels(120, this), twipsToPixels(30, this), twipsToPixels(120, this),
                           twipsToPixels(30, this));
    g6->setVerticalSpacing(0);
    QLabel* score = m_labels.score = label(f6, QStringLiteral("score"));
    QFont sf = songFont(15.75, true);
    sf.setUnderline(true);
    score->setFont(sf);
    setColour(score, QColor(255, 0, 0));
    g6->addWidget(score, 0, 0);
    m_labels.lastdp = label(f6, QStringLiteral("lastdp"), {}, true);
    g6->addWidget(m_labels.lastdp, 0, 1);
    g6->setColumnStretch(1, 1);

    auto* close = new QPushButton(QStringLiteral("关 闭"), page);
    close->setObjectName(QStringLiteral("Command2"));
    close->setGeometry(twipsRect(12960, 9060, 1560, 480, this));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    m_tabs->addTab(page, QStringLiteral("五格剖象法分析"));
}

QWidget* pfIndexForm::buildWebPage(int page)
{
    auto* w = new QWidget;
    auto* pane = new WebPane(w);
    pane->setObjectName(QStringLiteral("WebBrowser") + QString::number(page));
    pane->setGeometry(twipsRect(2040, 600, 9855, 8535, this));
    m_panes[static_cast<size_t>(page - 1)] = pane;
    auto* back = new QPushButton(QStringLiteral("返 回"), w);
    const char* const names[] = {"Command1", "Command3", "Command4"};
    back->setObjectName(QString::fromLatin1(names[page - 1]));
    back->setGeometry(twipsRect(12240, 9360, 1200, 420, this));
    connect(back, &QPushButton::clicked, this, [this] { m_tabs->setCurrentIndex(0); });
    return w;
}

void pfIndexForm::fill(const naming::NameTestReport& report)
{
    // A new report while the window is open: its web pages follow the new name.
    if (m_filled)
        m_loaded = {};
    m_filled = true;

    const naming::PxmzResult& r = report.result;
    for (size_t i = 0; i < 4; ++i)
        m_chars[i] = qs(r.chars[i]);
    m_grids = {r.grids.tg, r.grids.rg, r.grids.dG, r.grids.wg, r.grids.zg};

    // Every line of the report comes from the core's report content, by its caption.
    const std::vector<naming::ReportLine> lines = naming::reportLines(report);
    size_t cell = 0, stroke = 0, element = 0, gridLine = 0, detail = 0, influence = 0, hint = 0, chartLine = 0;
    for (const naming::ReportLine& l : lines) {
        const QString text = qs(l.text);
        if (l.section == naming::ReportSection::Basic) {
            if (l.caption == "姓名") {
                m_labels.cells.at(cell++)->setText(text);
            } else if (l.caption == "笔划数") {
                QLabel* s = m_labels.strokes.at(stroke++);
                s->setText(text);
                s->setVisible(l.visible);
            } else if (l.caption == "五行属性") {
                QLabel* e = m_labels.elements.at(element++);
                e->setText(text);
                e->setVisible(l.visible);
            } else {
                m_labels.grids.at(gridLine++)->setText(text);
            }
        } else if (l.section == naming::ReportSection::Chart) {
            if (l.caption.empty())
                m_labels.whstr->setText(text);
            else
                m_labels.chart.at(chartLine++)->setText(text);
        } else if (l.section == naming::ReportSection::Grids) {
            m_labels.lineHeads.at(detail)->setText(qs(l.caption));
            QLabel* t = m_labels.lines.at(detail);
            t->setText(text);
            setColour(t, colourOf(l.colour));
            ++detail;
        } else if (l.section == naming::ReportSection::Influence) {
            m_labels.influence.at(influence++)->setText(text);
        } else if (l.section == naming::ReportSection::Hints) {
            m_labels.hintHeads.at(hint)->setText(qs(l.caption));
            m_labels.hints.at(hint)->setText(text);
            ++hint;
        } else if (l.section == naming::ReportSection::Score) {
            if (!l.caption.empty())
                m_labels.score->setText(qs(l.caption) + text);
            else
                m_labels.lastdp->setText(text);
        }
    }
    // A new report is shown on its own page, whatever page the window showed before.
    m_tabs->setCurrentIndex(0);
}

QLabel* pfIndexForm::line(const QString& name) const
{
    return findChild<QLabel*>(name);
}

QString pfIndexForm::pageAddress(int page) const
{
    // The characters are appended as they are; the browser view encodes them.
    switch (page) {
    case 1:
        return vendorSiteBase() + QStringLiteral("/xingshow.asp?biaoti=") + m_chars[0] + m_chars[1];
    case 2:
        return vendorSiteBase() + QStringLiteral("/chaname.asp?zi=") + m_chars[2];
    case 3:
        return vendorSiteBase() + QStringLiteral("/chaname.asp?zi=") + m_chars[3];
    default:
        return {};
    }
}

WebPane* pfIndexForm::webPane(int page) const
{
    return page >= 1 && page <= 3 ? m_panes[static_cast<size_t>(page - 1)] : nullptr;
}

void pfIndexForm::pageChanged(int index)
{
    // Each page is requested once until the flags are cleared; the flag is set when the
    // request goes out, so switching pages while one loads never requests it twice.
    if (index < 1 || index > 3)
        return;
    const auto i = static_cast<size_t>(index - 1);
    if (m_loaded[i] || !m_filled)
        return;
    m_loaded[i] = true;
    m_panes[i]->navigate(QUrl(pageAddress(index)));
}

void pfIndexForm::openDetail(int grid)
{
    openDetailWindow(this, m_grids[static_cast<size_t>(grid)]);
}

void pfIndexForm::closeEvent(QCloseEvent* e)
{
    m_loaded = {};
    QWidget::closeEvent(e);
}

} // namespace xingming::app
