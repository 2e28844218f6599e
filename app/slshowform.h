// The detail window slShowForm ("详细解释"): the long explanation of one of the 81
// numbers, opened modally from the report window's "详细解释" buttons.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace xingming::app {

class slShowForm final : public QDialog {
    Q_OBJECT

public:
    explicit slShowForm(QWidget* parent = nullptr);

    // The number whose explanation the window shows, set by the caller before the load
    // step; 0 when none.
    qint16 genum = 0;

    // Load step: centre; show the explanation of genum when it is 1 to 81, else none.
    void load();

private:
    QPlainTextEdit* m_text;
};

// Creates the detail window, sets genum, loads and runs it modally; the window is
// discarded when it closes.
void openDetailWindow(QWidget* parent, qint16 genum);

} // namespace xingming::app
