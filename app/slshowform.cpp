#include "app/slshowform.h"

#include "app/fonts.h"
#include "app/textconv.h"
#include "app/twips.h"
#include "naming/explanations.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace xingming::app {

namespace {

// The explanation of number n with its CR LF line ends as plain line breaks (a text
// area would take the CR as a line break of its own).
QString explanationForDisplay(int n)
{
    QString s = qs(naming::explanationText(n));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

} // namespace

slShowForm::slShowForm(QWidget* parent) : QDialog(parent), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("slShowForm"));
    setWindowTitle(QStringLiteral("详细解释"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(songFont(9));
    setFixedSize(twipsSize(10095, 6960, this));

    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setGeometry(twipsRect(420, 420, 9255, 4950, this));
    m_text->setFont(songFont(10.5));
    m_text->setReadOnly(true);
    m_text->hide();

    auto* closeButton = new QPushButton(QStringLiteral("关 闭"), this);
    closeButton->setObjectName(QStringLiteral("Command1"));
    closeButton->setGeometry(twipsRect(8280, 5820, 1395, 540, this));
    connect(closeButton, &QPushButton::clicked, this, [this] {
        genum = 0;
        this->close();
    });
}

void slShowForm::load()
{
    centreOnScreen(this);
    if (genum >= 1 && genum <= 81) {
        m_text->setPlainText(explanationForDisplay(genum));
        m_text->show();
    } else {
        m_text->clear();
        m_text->hide();
    }
}

void openDetailWindow(QWidget* parent, qint16 genum)
{
    auto* window = new slShowForm(parent);
    window->genum = genum;
    window->load();
    window->exec();
}

} // namespace xingming::app
