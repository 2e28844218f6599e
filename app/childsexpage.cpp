#include "app/childsexpage.h"

#include "app/funpageutil.h"
#include "app/twips.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <string>
#include <vector>

namespace xingming::app {

using funpage::caption;

namespace {

QComboBox* list(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setFont(songFont(10.5));
    // The lists take what is typed as it is: no completion into an entry, no new entries.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    return box;
}

void refill(QComboBox* box, const std::vector<std::string>& entries)
{
    const QSignalBlocker quiet(box);
    box->clear();
    for (const std::string& e : entries)
        box->addItem(qs(e));
    box->setCurrentIndex(-1); // no entry selected after a reset
    box->setEditText(qs(fun::kUnchosen));
}

} // namespace

ChildSexPage::ChildSexPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ChildSexPage"));

    m_modeFrame = new QGroupBox(QStringLiteral("输入方式"), this);
    m_modeFrame->setGeometry(twipsRect(240, 180, 1560, 1560, this));
    m_Option30 = new QRadioButton(QStringLiteral("年龄"), m_modeFrame);
    m_Option30->setObjectName(QStringLiteral("Option30"));
    m_Option30->setFont(songFont(12));
    m_Option30->setGeometry(twipsRect(180, 390, 1300, 360, this));
    m_Option29 = new QRadioButton(QStringLiteral("出生日期"), m_modeFrame);
    m_Option29->setObjectName(QStringLiteral("Option29"));
    m_Option29->setFont(songFont(12));
    m_Option29->setGeometry(twipsRect(180, 930, 1340, 360, this));
    m_Option30->setChecked(true);

    // Rows 1 to 3: caption, list, unit, list, unit.
    constexpr int captionX = 1980, yearX = 4200, unit1X = 5460, monthX = 5760, unit2X = 6840;
    constexpr int rowY[3] = {240, 780, 1320};
    auto rowCaption = [this](const QString& name, const QString& text, int y) {
        QLabel* label = caption(name, text, 12, this);
        label->setGeometry(twipsRect(captionX, y + 30, 2160, 330, this));
        return label;
    };
    auto unit = [this](const QString& name, const QString& text, int x, int y) {
        QLabel* label = caption(name, text, 12, this);
        label->setGeometry(twipsRect(x, y + 30, 300, 330, this));
        return label;
    };
    auto placeList = [this](QComboBox* box, int x, int y, int width) {
        box->setGeometry(twipsRect(x, y, width, 390, this));
    };

    m_Label61 = rowCaption(QStringLiteral("Label61"), QString(), rowY[0]);
    m_CobNL1 = list(QStringLiteral("CobNL1"), this);
    placeList(m_CobNL1, yearX, rowY[0], 1200);
    m_Labdt[0] = unit(QStringLiteral("Labdt1"), QStringLiteral("年"), unit1X, rowY[0]);
    m_Cobdt1 = list(QStringLiteral("Cobdt1"), this);
    placeList(m_Cobdt1, monthX, rowY[0], 1020);
    m_Labdt[1] = unit(QStringLiteral("Labdt2"), QStringLiteral("月"), unit2X, rowY[0]);

    m_Label60 = rowCaption(QStringLiteral("Label60"), QString(), rowY[1]);
    m_CobNL2 = list(QStringLiteral("CobNL2"), this);
    placeList(m_CobNL2, yearX, rowY[1], 1200);
    m_Labdt[2] = unit(QStringLiteral("Labdt3"), QStringLiteral("年"), unit1X, rowY[1]);
    m_Cobdt2 = list(QStringLiteral("Cobdt2"), this);
    placeList(m_Cobdt2, monthX, rowY[1], 1020);
    m_Labdt[3] = unit(QStringLiteral("Labdt4"), QStringLiteral("月"), unit2X, rowY[1]);

    rowCaption(QStringLiteral("conceptionCaption"), QStringLiteral("怀孕时间："), rowY[2]);
    m_CobNL3 = list(QStringLiteral("CobNL3"), this);
    placeList(m_CobNL3, yearX, rowY[2], 1200);
    unit(QStringLiteral("conceptionYearUnit"), QStringLiteral("年"), unit1X, rowY[2]);
    m_CobNL4 = list(QStringLiteral("CobNL4"), this);
    placeList(m_CobNL4, monthX, rowY[2], 1020);
    unit(QStringLiteral("conceptionMonthUnit"), QStringLiteral("月"), unit2X, rowY[2]);

    m_smsfyc = new QPushButton(QStringLiteral("OK，开始预测"), this);
    m_smsfyc->setObjectName(QStringLiteral("smsfyc"));
    m_smsfyc->setGeometry(twipsRect(3360, 1920, 2100, 480, this));

    m_Label71 = caption(
        QStringLiteral("Label71"),
        QStringLiteral("注意：1.输入的年龄是周岁。也就是，即使未到生日都应该算上一年。计算到怀孕月份为止。"), 9, this);
    m_Label71->setGeometry(twipsRect(240, 2700, 8400, 270, this));
    m_Label72 = caption(QStringLiteral("Label72"), QStringLiteral("2.出生日期和怀孕时间以农历为准。"), 9, this);
    m_Label72->setGeometry(twipsRect(840, 3030, 7800, 270, this));

    // The result area, one method a row, in the place of the two notes.
    const std::string_view captions[4] = {fun::kCaptionChart, fun::kCaptionBook, fun::kCaptionCouple,
                                          fun::kCaptionCoupleMonth};
    for (int i = 0; i < 4; ++i) {
        const int y = 2520 + i * 540;
        QLabel* c = caption(QStringLiteral("methodCaption%1").arg(i + 1), qs(captions[i]), 14.25, this);
        funpage::setTextColour(c, QColor(0, 0, 255));
        c->setGeometry(twipsRect(1200, y, 3480, 540, this));
        c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLabel* r = caption(QStringLiteral("LjieG%1").arg(i + 1), QString(), 21.75, this);
        funpage::setTextColour(r, QColor(192, 0, 0));
        r->setGeometry(twipsRect(4860, y, 3600, 540, this));
        r->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        c->hide();
        r->hide();
        m_methodCaptions[static_cast<size_t>(i)] = c;
        m_LjieG[static_cast<size_t>(i)] = r;
    }

    QLabel* note = caption(QStringLiteral("note"), funpage::amusementNote(), 9, this);
    funpage::setTextColour(note, QColor(255, 0, 0));
    note->setGeometry(twipsRect(240, 4710, 8400, 270, this));

    // Picking an entry of CobNL1 .. CobNL3 re-evaluates the start button, typing does not;
    // CobNL4 re-evaluates on both. The stored selections are the lists' texts, read on start.
    for (QComboBox* box : {m_CobNL1, m_CobNL2, m_CobNL3, m_CobNL4})
        connect(box, &QComboBox::activated, this, &ChildSexPage::cobEan);
    connect(m_CobNL4, &QComboBox::editTextChanged, this, &ChildSexPage::cobEan);
    connect(m_smsfyc, &QPushButton::clicked, this, &ChildSexPage::start);
    for (QRadioButton* option : {m_Option30, m_Option29})
        connect(option, &QRadioButton::toggled, this, [this](bool chosen) {
            if (chosen)
                modeChosen();
        });

    // The lists are filled before the page is first seen.
    setUpPage();
}

void ChildSexPage::setUpPage()
{
    m_smsfyc->setEnabled(false);
    Trcob();
    resetLists();
}

fun::InputMode ChildSexPage::mode() const
{
    return m_Option29->isChecked() ? fun::InputMode::Birth : fun::InputMode::Age;
}

fun::ChildSexForm ChildSexPage::form() const
{
    fun::ChildSexForm f;
    f.mode = mode();
    f.CobNL1 = utf8(m_CobNL1->currentText());
    f.CobNL2 = utf8(m_CobNL2->currentText());
    f.CobNL3 = utf8(m_CobNL3->currentText());
    f.CobNL4 = utf8(m_CobNL4->currentText());
    f.Cobdt1 = utf8(m_Cobdt1->currentText());
    f.Cobdt2 = utf8(m_Cobdt2->currentText());
    return f;
}

void ChildSexPage::Trcob()
{
    const fun::RowLayout layout = fun::Trcob(mode());
    m_Label61->setText(qs(layout.Label61));
    m_Label60->setText(qs(layout.Label60));
    m_Cobdt1->setVisible(layout.birthMonthsShown);
    m_Cobdt2->setVisible(layout.birthMonthsShown);
    for (QLabel* unit : m_Labdt)
        unit->setVisible(layout.birthMonthsShown);
}

void ChildSexPage::resetLists()
{
    const fun::ListEntries e = fun::resetEntries(mode(), QDate::currentDate().year());
    refill(m_CobNL1, e.CobNL1);
    refill(m_CobNL2, e.CobNL2);
    refill(m_CobNL3, e.CobNL3);
    refill(m_CobNL4, e.CobNL4);
    refill(m_Cobdt1, e.Cobdt1);
    refill(m_Cobdt2, e.Cobdt2);
    cobEan(); // CobNL4 now reads "请选择": the button ends disabled
}

void ChildSexPage::cobEan()
{
    m_smsfyc->setEnabled(fun::cobEan(form()));
}

void ChildSexPage::modeChosen()
{
    Trcob();
    resetLists();
}

void ChildSexPage::start()
{
    const auto prediction = fun::predict(form());
    if (!prediction)
        return; // a value outside the 16-bit range: refused quietly, the results stay
    m_Label71->hide();
    m_Label72->hide();
    for (QLabel* c : m_methodCaptions)
        c->show();
    const std::string_view results[4] = {prediction->LjieG1, prediction->LjieG2, prediction->LjieG3,
                                         prediction->LjieG4};
    for (size_t i = 0; i < 4; ++i) {
        m_LjieG[i]->setText(qs(results[i]));
        m_LjieG[i]->show();
    }
}

} // namespace xingming::app
