// The main window zyIndexForm: toolbar, the naming panel, the name-test panel, the
// fun-tools tab strip, the tips frame and the status bar.
#pragma once

#include "calendar/birthinput.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QAbstractButton;
class QFrame;

namespace xingming::app {

class DateCombo;
class FunToolsPanel;
class NameEdit;
class pfIndexForm;

class zyIndexForm : public QWidget {
    Q_OBJECT
public:
    explicit zyIndexForm(QWidget* parent = nullptr);
    ~zyIndexForm() override;

    // Values other windows read after a feature has run.
    QString sex;
    calendar::BirthDate BirthDate;
    qint16 tg = 0, rg = 0, dG = 0, wg = 0, zg = 0;
    QString yxy_str;

    // Toolbar dispatch by button index 1 .. 7.
    void dhtbarButtonClick(int index);

    // The start buttons.
    void pmzbClick();
    void yingxyClick();
    // The start button of the naming panel's page modePage (1 to 4): the request of that mode.
    void startNaming(int modePage);

    // The report window while it is open (nullptr otherwise).
    pfIndexForm* reportWindow() const;

    enum class WorkArea { Naming, NameTest, FunTools };
    WorkArea workArea() const { return m_area; }

private:
    void buildToolbar();
    void buildNamingPanel();
    void buildNameTestPanel();
    // The panels not shown at start, made on the first call.
    QFrame* nameTestPanel();
    FunToolsPanel* funTools();
    void buildTips();
    void stepCreate();
    void stepTest();
    void stepMore();

    // The controls of a panel that takes a birth.
    struct BirthControls {
        NameEdit* surname = nullptr;
        NameEdit* given = nullptr; // the name-test panel only
        QRadioButton* male = nullptr;
        QRadioButton* female = nullptr;
        QRadioButton* solar = nullptr;
        QRadioButton* lunar = nullptr;
        QRadioButton* leap = nullptr;
        QRadioButton* twoChars = nullptr; // "双字名", the naming panel only
        std::array<DateCombo*, 4> date{}; // year, month, day, hour
    };
    BirthControls m_naming;
    BirthControls m_test;
    static calendar::Sex chosenSex(const BirthControls& c);
    static calendar::CalendarKind chosenCalendar(const BirthControls& c);
    static calendar::DateFields dateFields(const BirthControls& c);

    WorkArea m_area = WorkArea::Naming;
    bool m_testListsFilled = false;
    QToolBar* m_dhtbar = nullptr;
    QTabWidget* m_systa = nullptr;
    QFrame* m_pingf = nullptr;
    QGroupBox* m_wqtsf = nullptr;
    FunToolsPanel* m_qucef = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusWelcome = nullptr;
    QLabel* m_statusWarning = nullptr;
    QList<QLabel*> m_namingTips;
    QList<QLabel*> m_testTips;
    QPointer<pfIndexForm> m_report;
};

} // namespace xingming::app
