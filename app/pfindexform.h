// The report window pfIndexForm ("评分结果"): page 0 holds the report of the name test,
// pages 1 to 3 the pages about the surname and the two given-name characters.
#pragma once

#include "naming/nametest.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QTabWidget;

namespace xingming::app {

class WebPane;

class pfIndexForm : public QWidget {
    Q_OBJECT
public:
    explicit pfIndexForm(QWidget* parent = nullptr);

    // Writes a report into page 0; a report that replaces another clears the loaded
    // flags, so that the web pages follow the name now shown.
    void fill(const naming::NameTestReport& report);

    // The "loaded" flags of pages 1 to 3 (index 0 is page 1).
    const std::array<bool, 3>& loadedFlags() const { return m_loaded; }

    // The address page 1, 2 or 3 requests for the report now shown.
    QString pageAddress(int page) const;

    WebPane* webPane(int page) const;
    QTabWidget* tabs() const { return m_tabs; }

    // The grid numbers the five "详细解释" buttons open, 天格 人格 地格 外格 总格.
    std::array<qint16, 5> detailNumbers() const { return m_grids; }

    // Text and colour of a report line by the object name of its label.
    QLabel* line(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildReportPage();
    QWidget* buildWebPage(int page);
    void pageChanged(int index);
    void openDetail(int grid);

    QTabWidget* m_tabs = nullptr;
    std::array<WebPane*, 3> m_panes{};
    std::array<bool, 3> m_loaded{};
    // The labels of the report page that fill writes.
    struct ReportLabels {
        std::array<QLabel*, 4> cells{};    // xs1 xs2 mz1 mz2
        std::array<QLabel*, 4> strokes{};  // bh1 .. bh4
        std::array<QLabel*, 4> elements{}; // wx1 .. wx4
        std::array<QLabel*, 5> grids{};    // tgl rgl dgl wgl zgl
        std::array<QLabel*, 4> chart{};    // gongli nongli bazhi wuhang
        QLabel* whstr = nullptr;
        std::array<QLabel*, 5> lineHeads{}, lines{}; // head_tp, tp .. head_zp, zp
        std::array<QLabel*, 4> influence{};          // scp jsp cgp rjp
        std::array<QLabel*, 4> hintHeads{}, hints{}; // head_ranshi, ranshi .. head_zanshi, zanshi
        QLabel* score = nullptr;
        QLabel* lastdp = nullptr;
    };
    ReportLabels m_labels;
    std::array<QString, 4> m_chars;
    std::array<qint16, 5> m_grids{};
    bool m_filled = false;
};

} // namespace xingming::app
