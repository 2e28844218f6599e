// Page "盛衰曲线" of the fun-tools tab strip: the emotional, intellectual and physical
// biorhythm curves of a birth date, marked at a query date.
#pragma once

#include "fun/biorhythm.h"

#include <QWidget>

#include <array>

class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;

namespace xingming::app {

class BiorhythmChart;

class BiorhythmPage : public QWidget {
    Q_OBJECT
public:
    explicit BiorhythmPage(QWidget* parent = nullptr);

    // Page set-up, each time the page becomes the current page of qucef: DTPicker2 shows
    // today's date. Setting it is not a change of the query date, so nothing is drawn and
    // no message can appear merely because the page was opened.
    void setUpPage();

private:
    void drawCurves(fun::Trigger trigger);

    QDateEdit* m_DTPicker1 = nullptr; // birth date
    QDateEdit* m_DTPicker2 = nullptr; // query date
    QPushButton* m_shengshuai = nullptr;
    QTabWidget* m_SSTab2 = nullptr;
    std::array<BiorhythmChart*, 3> m_pictures{}; // Picture1 .. Picture3
};

} // namespace xingming::app
