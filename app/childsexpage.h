// Page "生男生女预测" of the fun-tools tab strip: the four folk methods of the child-sex
// prediction.
#pragma once

#include "fun/childsex.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace xingming::app {

class ChildSexPage : public QWidget {
    Q_OBJECT
public:
    explicit ChildSexPage(QWidget* parent = nullptr);

    // Page set-up, each time the page becomes the current page of qucef: the start button
    // disabled, Trcob, and the lists reset for the chosen input mode.
    void setUpPage();

private:
    fun::InputMode mode() const;
    fun::ChildSexForm form() const;
    void Trcob();
    void resetLists(); // DatStr or DatStr2, by the chosen mode
    void cobEan();
    void start();      // click of smsfyc
    void modeChosen(); // Option30 or Option29 chosen

    QGroupBox* m_modeFrame = nullptr;
    QRadioButton* m_Option30 = nullptr; // "年龄"
    QRadioButton* m_Option29 = nullptr; // "出生日期"
    QLabel* m_Label61 = nullptr;
    QLabel* m_Label60 = nullptr;
    QComboBox* m_CobNL1 = nullptr;
    QComboBox* m_CobNL2 = nullptr;
    QComboBox* m_CobNL3 = nullptr;
    QComboBox* m_CobNL4 = nullptr;
    QComboBox* m_Cobdt1 = nullptr;
    QComboBox* m_Cobdt2 = nullptr;
    std::array<QLabel*, 4> m_Labdt{}; // Labdt1 .. Labdt4
    QPushButton* m_smsfyc = nullptr;
    QLabel* m_Label71 = nullptr;
    QLabel* m_Label72 = nullptr;
    std::array<QLabel*, 4> m_methodCaptions{};
    std::array<QLabel*, 4> m_LjieG{}; // LjieG1 .. LjieG4
};

} // namespace xingming::app
