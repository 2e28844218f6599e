#include "app/couplematchpage.h"

#include "app/funpageutil.h"
#include "app/messageboxes.h"
#include "app/twips.h"
#include "fun/couplematch.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <variant>

namespace xingming::app {

using funpage::caption;

namespace {

// The character code a key delivers to the box, as the key filter sees it; nullopt for keys
// that deliver no character (arrows, Home, Delete), which the filter never sees.
std::optional<int> keyAscii(const QKeyEvent& e)
{
    switch (e.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const QString text = e.text();
    if (text.isEmpty())
        return std::nullopt;
    return text.at(0).unicode();
}

QLineEdit* dayBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(2);
    box->setFont(songFont(12));
    // No input method: it would commit text past the key filter.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setInputMethodHints(Qt::ImhDigitsOnly);
    return box;
}

} // namespace

CoupleMatchPage::CoupleMatchPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CoupleMatchPage"));

    m_hint = caption(QStringLiteral("hint"), QStringLiteral("亲，无需填年份和月份哦"), 9, this);
    m_hint->setGeometry(twipsRect(1500, 360, 4200, 270, this));

    m_Label16 = caption(QStringLiteral("Label16"), QStringLiteral("女孩生日"), 12, this);
    funpage::setTextColour(m_Label16, QColor(255, 0, 255));
    m_Label16->setGeometry(twipsRect(1500, 1140, 1260, 330, this));
    m_Text10 = dayBox(QStringLiteral("Text10"), this);
    m_Text10->setGeometry(twipsRect(2820, 1080, 900, 420, this));

    m_Label24 = caption(QStringLiteral("Label24"), QStringLiteral("男孩生日"), 12, this);
    funpage::setTextColour(m_Label24, QColor(0, 0, 255));
    m_Label24->setGeometry(twipsRect(1500, 1860, 1260, 330, this));
    m_Text11 = dayBox(QStringLiteral("Text11"), this);
    m_Text11->setGeometry(twipsRect(2820, 1800, 900, 420, this));

    m_qingyuan = new QPushButton(QStringLiteral("开始预测缘份"), this);
    m_qingyuan->setObjectName(QStringLiteral("qingyuan"));
    m_qingyuan->setGeometry(twipsRect(4200, 1320, 1980, 600, this));

    m_Label46 = caption(QStringLiteral("Label46"), QStringLiteral("结果分析"), 18, this);
    m_Label46->setGeometry(twipsRect(1500, 840, 2400, 480, this));

    m_Label55 = caption(QStringLiteral("Label55"), QString(), 12, this);
    funpage::setTextColour(m_Label55, QColor(0, 0, 255));
    m_Label55->setWordWrap(true);
    m_Label55->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Label55->setGeometry(twipsRect(1500, 1440, 6000, 1500, this));

    m_jxqingyuan = new QPushButton(QStringLiteral("继续测试"), this);
    m_jxqingyuan->setObjectName(QStringLiteral("jxqingyuan"));
    m_jxqingyuan->setGeometry(twipsRect(1500, 3060, 1500, 480, this));

    m_Label33 = new QLabel(this);
    m_Label33->setObjectName(QStringLiteral("Label33"));

    m_note = caption(QStringLiteral("note"), funpage::amusementNote(), 9, this);
    funpage::setTextColour(m_note, QColor(255, 0, 0));
    m_note->setGeometry(twipsRect(1500, 4200, 6600, 270, this));

    m_Text10->installEventFilter(this);
    m_Text11->installEventFilter(this);
    connect(m_qingyuan, &QPushButton::clicked, this, &CoupleMatchPage::matchTest);
    connect(m_jxqingyuan, &QPushButton::clicked, this, &CoupleMatchPage::newTest);

    m_Label33->hide();
    showVerdictView(false);
}

bool CoupleMatchPage::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_Text10 || watched == m_Text11) && event->type() == QEvent::KeyPress) {
        const auto code = keyAscii(*static_cast<QKeyEvent*>(event));
        if (code && !fun::keyPasses(*code))
            return true; // the key is discarded
    }
    return QWidget::eventFilter(watched, event);
}

void CoupleMatchPage::matchTest()
{
    const auto outcome = fun::matchTest(utf8(m_Text10->text()), utf8(m_Text11->text()));
    if (const auto* verdict = std::get_if<fun::MatchVerdict>(&outcome)) {
        m_Label33->setText(QString::number(verdict->D));
        if (!verdict->verdict.empty())
            m_Label55->setText(qs(verdict->verdict));
        showVerdictView(true);
        return;
    }
    const auto& refusal = std::get<fun::MatchRefusal>(outcome);
    messageBoxes().tip(this, qs(refusal.message));
    if (refusal.emptyBoxes) {
        m_Text10->clear();
        m_Text11->clear();
    }
}

void CoupleMatchPage::newTest()
{
    m_Text10->clear();
    m_Text11->clear();
    m_Label33->hide();
    showVerdictView(false);
}

void CoupleMatchPage::showVerdictView(bool verdict)
{
    for (QWidget* w :
         {static_cast<QWidget*>(m_Label16), static_cast<QWidget*>(m_Label24), static_cast<QWidget*>(m_Text10),
          static_cast<QWidget*>(m_Text11), static_cast<QWidget*>(m_qingyuan)})
        w->setVisible(!verdict);
    m_Label46->setVisible(verdict);
    m_Label55->setVisible(verdict);
    m_jxqingyuan->setVisible(verdict);
}

} // namespace xingming::app
