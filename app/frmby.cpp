#include "app/frmby.h"

#include "app/buttons.h"

#include "app/fonts.h"
#include "app/linklabel.h"
#include "app/twips.h"
#include "app/vendorpageopener.h"
#include "app/sitebase.h"

#include <QPushButton>

namespace xingming::app {

namespace {

// The shop button isButton1. Its caption comes from the load step. It never takes
// Enter from "确定", which stays the button that Enter presses.
// The shop button: the owner-drawn button of style 5. It is no push button, so Enter on
// it never takes the place of "确定".
widgets::isButton* makeShopButton(QWidget* parent)
{
    return makeButton("isButton1", "isButton1", parent);
}

QLabel* addLine(const QString& text, const QString& name, const QRect& place, QWidget* parent)
{
    auto* line = new QLabel(text, parent);
    line->setObjectName(name);
    line->setGeometry(place);
    return line;
}

} // namespace

frmBy::frmBy(QWidget* parent) : LinkDialog(parent), m_isButton1(nullptr)
{
    setObjectName(QStringLiteral("frmBy"));
    setWindowTitle(QStringLiteral("欢迎购买"));
    setFont(songFont(10.5));
    setFixedSize(twipsSize(8220, 4770, this));

    // In reading order, so that the tab order follows it too.
    m_isButton1 = makeShopButton(this);
    m_isButton1->setGeometry(twipsRect(480, 360, 3300, 540, this));
    connect(m_isButton1, &widgets::isButton::Click, this, [this] { openVendorPage(this, QStringLiteral("taobao")); });

    addLine(QStringLiteral("2.在线支付和银行转账、支付宝转账"), QStringLiteral("Label2"),
            twipsRect(480, 1260, 3600, 330, this), this);
    auto* howPay = new LinkLabel(QStringLiteral("点击选择您的支付方式"), font(), this);
    howPay->setObjectName(QStringLiteral("Label4"));
    howPay->setGeometry(twipsRect(4200, 1260, 2700, 330, this));
    connect(howPay, &LinkLabel::clicked, this, [this] { openVendorPage(this, QStringLiteral("howpay")); });

    addLine(QStringLiteral("您有任何问题，都可能联系我们，我们将竭诚为您服务！"), QStringLiteral("Label3"),
            twipsRect(480, 2040, 5400, 330, this), this);
    auto* contact = new LinkLabel(QStringLiteral("点击联系客服"), font(), this);
    contact->setObjectName(QStringLiteral("Label1"));
    contact->setGeometry(twipsRect(5940, 2040, 1800, 330, this));
    connect(contact, &LinkLabel::clicked, this, [this] { openVendorPage(this, QStringLiteral("lianxi")); });

    const QString site = vendorSiteBase();
    addLine(site.isEmpty() ? QStringLiteral("本软件网站：本机网页服务未能启动，网页暂时无法显示。")
                           : QStringLiteral("本软件网站：") + site + QStringLiteral("（本软件自带的本地页面）"),
            QStringLiteral("Label5"), twipsRect(480, 2820, 7260, 330, this), this);

    addOkButton(6450, 3780, 1290, 510)->setFocus();
}

void frmBy::load()
{
    m_isButton1->setCaption(QStringLiteral("点击进入淘宝直营店"));
    centreOnScreen(this);
}

void openPurchaseDialog(QWidget* parent)
{
    auto* dialog = new frmBy(parent);
    dialog->load();
    dialog->exec();
}

} // namespace xingming::app
