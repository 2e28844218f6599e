#include "app/webwindows.h"

#include "app/twips.h"
#include "app/sitebase.h"
#include "app/webpane.h"

#include <QDialog>
#include <QPointer>
#include <QVBoxLayout>

namespace xingming::app {

namespace {

struct VendorPage {
    const char* key;
    const char* caption;
    const char* path;
};

// The five vendor pages by WebPageKey (compared exactly, case included).
constexpr VendorPage kVendorPages[] = {
    {"lianxi", "联系我们", "/contact.html"},  {"taobao", "淘宝网店", "/pay_tb.html"},
    {"howpay", "支付方式", "/howpay.html"},   {"softshow", "商品展示", "/softshow.html"},
    {"huodong", "限时活动", "/huodong.html"},
};

QPointer<yxyIndexForm>& namingWindow()
{
    static QPointer<yxyIndexForm> w;
    return w;
}

WebPane* fillWithPane(QWidget* window)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* pane = new WebPane(window);
    pane->setObjectName(QStringLiteral("WebBrowser1"));
    layout->addWidget(pane);
    return pane;
}

} // namespace

openWYform::openWYform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("openWYform"));
    setWindowTitle(QStringLiteral("用户反馈"));
    resize(twipsSize(14865, 10425, this));
    m_pane = fillWithPane(this);
}

void openWYform::load()
{
    centreOnScreen(this);
    const QString key = webPageKey();
    for (const VendorPage& p : kVendorPages) {
        if (key == QString::fromLatin1(p.key)) {
            setWindowTitle(QString::fromUtf8(p.caption));
            m_pane->navigate(vendorUrl(QString::fromLatin1(p.path)));
            return;
        }
    }
    // A key of no row leaves the caption "用户反馈" and the cover as they are.
}

void openVendorPageWindow(QWidget* parent)
{
    openWYform w(parent);
    w.load();
    w.exec();
}

yxyIndexForm::yxyIndexForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("yxyIndexForm"));
    setWindowTitle(QStringLiteral("音形义模式取名"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(twipsSize(14865, 10425, this));
    m_pane = fillWithPane(this);
}

void yxyIndexForm::navigateTo(const QString& address)
{
    m_pane->navigate(QUrl(address));
}

void showNamingResultWindow(const QString& address, const QString& title)
{
    QPointer<yxyIndexForm>& w = namingWindow();
    const bool created = !w;
    if (created)
        w = new yxyIndexForm;
    if (created)
        centreOnScreen(w);
    if (!title.isEmpty())
        w->setWindowTitle(title);
    w->navigateTo(address);
    w->show();
    w->raise();
    w->activateWindow();
}

yxyIndexForm* namingResultWindow()
{
    return namingWindow();
}

} // namespace xingming::app
