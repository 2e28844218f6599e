#include "app/funtoolspanel.h"

#include "app/biorhythmpage.h"
#include "app/childsexpage.h"
#include "app/couplematchpage.h"
#include "app/funpageutil.h"
#include "app/twips.h"

namespace xingming::app {

FunToolsPanel::FunToolsPanel(QWidget* parent) : QTabWidget(parent)
{
    installSongFont(); // the main window does so too; the panel also stands alone
    setObjectName(QStringLiteral("qucef"));
    setFont(songFont(9));
    resize(twipsSize(8895, 5655, this));

    m_coupleMatch = new CoupleMatchPage;
    m_childSex = new ChildSexPage;
    m_biorhythm = new BiorhythmPage;
    addTab(m_coupleMatch, QStringLiteral("爱情缘份预测"));
    addTab(m_childSex, QStringLiteral("生男生女预测"));
    addTab(m_biorhythm, QStringLiteral("盛衰曲线"));
    auto* more = new QWidget;
    more->setObjectName(QStringLiteral("MorePage"));
    addTab(more, QStringLiteral("更多敬请期待.."));
    setCurrentIndex(0);

    connect(this, &QTabWidget::currentChanged, this, &FunToolsPanel::pageChanged);
}

void FunToolsPanel::pageChanged(int index)
{
    if (widget(index) == m_childSex)
        m_childSex->setUpPage();
    else if (widget(index) == m_biorhythm)
        m_biorhythm->setUpPage();
}

} // namespace xingming::app
