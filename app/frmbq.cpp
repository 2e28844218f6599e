#include "app/frmbq.h"

#include "app/fonts.h"
#include "app/linklabel.h"
#include "app/twips.h"
#include "app/vendorpageopener.h"

#include <QPushButton>
#include <QStringList>

namespace xingming::app {

namespace {

// The notice paragraphs, each opening with two ideographic spaces.
const QStringList& noticeParagraphs()
{
    static const QStringList paragraphs{
        QStringLiteral("　　本软件按姓名用字的康熙笔画计算天格、人格、地格、外格、总格，据此评判八十一数理、"
                       "三才配置和基础运、成功运、人际关系，给出参考分数，并按出生日期推算八字五行。"),
        QStringLiteral("　　这些评判出自民间流传的姓名数理与命理之说，属传统习俗，没有科学依据，"
                       "仅供参考和娱乐，请勿据此决定人生大事。"),
        QStringLiteral("　　全部计算都在本机完成，软件不保存您输入的任何内容。软件里的网页是本软件自带的本地页面，"
                       "由本机（127.0.0.1）提供，您输入的姓名和生日不会离开本机。"),
        QStringLiteral("　　如有问题或建议，欢迎与我们联系。"),
    };
    return paragraphs;
}

// The paragraphs as one rich text with a little room between them.
QString noticeText()
{
    QString html;
    for (const QString& p : noticeParagraphs())
        html += QStringLiteral("<p style=\"margin: 0 0 5px 0; white-space: pre-wrap\">") + p + QStringLiteral("</p>");
    return html;
}

} // namespace

frmBq::frmBq(QWidget* parent) : LinkDialog(parent)
{
    setObjectName(QStringLiteral("frmBq"));
    setWindowTitle(QString());
    setFont(songFont(9));
    setFixedSize(twipsSize(5730, 4875, this));

    auto* notice = new QLabel(noticeText(), this);
    notice->setObjectName(QStringLiteral("Label1"));
    notice->setGeometry(twipsRect(300, 300, 5130, 3000, this));
    notice->setTextFormat(Qt::RichText);
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = notice->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    notice->setPalette(pal);

    auto* contact = new LinkLabel(QStringLiteral("点击这里联系我们"), songFont(10.5), this);
    contact->setObjectName(QStringLiteral("Label6"));
    contact->setGeometry(twipsRect(300, 3420, 2700, 330, this));
    connect(contact, &LinkLabel::clicked, this, [this] { openVendorPage(this, QStringLiteral("lianxi")); });

    addOkButton(4140, 4140, 1290, 480)->setFocus();
}

void frmBq::load()
{
    centreOnScreen(this);
}

void openNoticeDialog(QWidget* parent)
{
    auto* dialog = new frmBq(parent);
    dialog->load();
    dialog->exec();
}

} // namespace xingming::app
