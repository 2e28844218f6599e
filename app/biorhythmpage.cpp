#include "app/biorhythmpage.h"

#include "app/biorhythmchart.h"
#include "app/funpageutil.h"
#include "app/messageboxes.h"
#include "app/twips.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <chrono>
#include <variant>

namespace xingming::app {

using funpage::caption;

namespace {

std::chrono::sys_days toSysDays(const QDate& d)
{
    return std::chrono::year_month_day{std::chrono::year{d.year()},
                                       std::chrono::month{static_cast<unsigned>(d.month())},
                                       std::chrono::day{static_cast<unsigned>(d.day())}};
}

QDateEdit* datePicker(const QString& name, const QDate& date, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    // A date typed digit by digit counts as changed when its editing ends, not at every digit.
    picker->setKeyboardTracking(false);
    picker->setDate(date);
    return picker;
}

// Picture and index label of each cycle, in drawing order.
constexpr const char* kPictureNames[3] = {"Picture1", "Picture2", "Picture3"};
constexpr const char* kIndexLabelNames[3] = {"Label69", "Label70", "Label68"};

} // namespace

BiorhythmPage::BiorhythmPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BiorhythmPage"));

    const auto& start = fun::kBirthAtStart;
    const QDate birthAtStart(static_cast<int>(start.year()), static_cast<int>(static_cast<unsigned>(start.month())),
                             static_cast<int>(static_cast<unsigned>(start.day())));

    caption(QStringLiteral("Label66"), QStringLiteral("请选择你的出生日期："), 9, this)
        ->setGeometry(twipsRect(360, 225, 2220, 270, this));
    m_DTPicker1 = datePicker(QStringLiteral("DTPicker1"), birthAtStart, this);
    m_DTPicker1->setGeometry(twipsRect(2640, 165, 1620, 360, this));

    caption(QStringLiteral("Label67"), QStringLiteral("请选择你所要查询的日期："), 9, this)
        ->setGeometry(twipsRect(360, 645, 2220, 270, this));
    m_DTPicker2 = datePicker(QStringLiteral("DTPicker2"), QDate::currentDate(), this);
    m_DTPicker2->setGeometry(twipsRect(2640, 585, 1620, 360, this));

    m_shengshuai = new QPushButton(QStringLiteral("创建曲线表"), this);
    m_shengshuai->setObjectName(QStringLiteral("shengshuai"));
    m_shengshuai->setGeometry(twipsRect(4560, 240, 1500, 600, this));

    QLabel* slogan = caption(QStringLiteral("slogan"), QStringLiteral("掌握自己的最佳状态！"), 12, this);
    funpage::setTextColour(slogan, QColor(192, 0, 0));
    slogan->setGeometry(twipsRect(6300, 375, 2460, 330, this));

    m_SSTab2 = new QTabWidget(this);
    m_SSTab2->setObjectName(QStringLiteral("SSTab2"));
    for (size_t i = 0; i < fun::kCycles.size(); ++i) {
        auto* tabPage = new QWidget;
        auto* picture = new BiorhythmChart(tabPage);
        picture->setObjectName(QString::fromLatin1(kPictureNames[i]));
        picture->indexLabel()->setObjectName(QString::fromLatin1(kIndexLabelNames[i]));
        auto* around = new QVBoxLayout(tabPage);
        const int margin = twipsToPixels(60, this);
        around->setContentsMargins(margin, margin, margin, margin);
        around->addWidget(picture);
        m_pictures[i] = picture;
        m_SSTab2->addTab(tabPage, qs(fun::kCycles[i].page));
    }
    // The tab strip just holds the pictures of 7680 by 3060 twips.
    m_SSTab2->setGeometry(QRect(twipsRect(480, 1020, 0, 0, this).topLeft(), m_SSTab2->sizeHint()));

    QLabel* note = caption(QStringLiteral("note"), funpage::amusementNote(), 9, this);
    funpage::setTextColour(note, QColor(255, 0, 0));
    note->setGeometry(
        twipsRect(480, 0, 8000, 270, this).translated(0, m_SSTab2->geometry().bottom() + twipsToPixels(75, this)));

    connect(m_shengshuai, &QPushButton::clicked, this, [this] { drawCurves(fun::Trigger::Button); });
    connect(m_DTPicker2, &QDateEdit::dateChanged, this, [this] { drawCurves(fun::Trigger::QueryChanged); });
    connect(m_DTPicker1, &QDateEdit::dateChanged, this, [this] { drawCurves(fun::Trigger::BirthChanged); });
}

void BiorhythmPage::setUpPage()
{
    const QSignalBlocker quiet(m_DTPicker2);
    m_DTPicker2->setDate(QDate::currentDate());
}

void BiorhythmPage::drawCurves(fun::Trigger trigger)
{
    const auto outcome = fun::biorhythm(toSysDays(m_DTPicker1->date()), toSysDays(m_DTPicker2->date()), trigger);
    if (const auto* refusal = std::get_if<fun::BiorhythmRefusal>(&outcome)) {
        // The charts and index labels stay as they were; a change of the query date
        // speaks under its own title.
        if (!refusal->message.empty())
            messageBoxes().titled(this, qs(refusal->message), qs(refusal->title));
        return;
    }
    const auto& reading = std::get<fun::BiorhythmReading>(outcome);
    for (BiorhythmChart* picture : m_pictures)
        picture->clear();
    for (size_t i = 0; i < fun::kCycles.size(); ++i) {
        m_pictures[i]->setDrawing(fun::drawChart(fun::kCycles[i], reading.cycles[i].d));
        m_pictures[i]->indexLabel()->setText(qs(reading.cycles[i].label));
    }
}

} // namespace xingming::app
