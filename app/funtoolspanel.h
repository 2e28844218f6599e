// The fun-tools tab strip qucef of the main window: "爱情缘份预测", "生男生女预测",
// "盛衰曲线" and "更多敬请期待..", page 1 current at start. Switching pages runs the page
// set-up of the child-sex and the biorhythm page.
#pragma once

#include <QTabWidget>

namespace xingming::app {

class CoupleMatchPage;
class ChildSexPage;
class BiorhythmPage;

class FunToolsPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit FunToolsPanel(QWidget* parent = nullptr);

    CoupleMatchPage* coupleMatchPage() const { return m_coupleMatch; }
    ChildSexPage* childSexPage() const { return m_childSex; }
    BiorhythmPage* biorhythmPage() const { return m_biorhythm; }

private:
    void pageChanged(int index);

    CoupleMatchPage* m_coupleMatch = nullptr;
    ChildSexPage* m_childSex = nullptr;
    BiorhythmPage* m_biorhythm = nullptr;
};

} // namespace xingming::app
