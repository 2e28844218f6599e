// Page "爱情缘份预测" of the fun-tools tab strip: the couple match by the two days of birth.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace xingming::app {

class CoupleMatchPage : public QWidget {
    Q_OBJECT
public:
    explicit CoupleMatchPage(QWidget* parent = nullptr);

protected:
    // The key filter of Text10 and Text11.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void matchTest(); // click of qingyuan
    void newTest();   // click of jxqingyuan
    void showVerdictView(bool verdict);

    QLabel* m_Label16 = nullptr;
    QLineEdit* m_Text10 = nullptr;
    QLabel* m_Label24 = nullptr;
    QLineEdit* m_Text11 = nullptr;
    QLabel* m_hint = nullptr;
    QPushButton* m_qingyuan = nullptr;
    QLabel* m_Label46 = nullptr;
    QLabel* m_Label55 = nullptr;
    QPushButton* m_jxqingyuan = nullptr;
    QLabel* m_Label33 = nullptr; // the difference of the two days, never shown
    QLabel* m_note = nullptr;
};

} // namespace xingming::app
