// The notice dialog frmBq, opened by the toolbar button "必读说明": what the program
// computes and where its judgements come from, and a link to the contact page.
#pragma once

#include "app/linkdialog.h"

namespace xingming::app {

class frmBq final : public LinkDialog {
    Q_OBJECT

public:
    explicit frmBq(QWidget* parent = nullptr);

    void load(); // centre
};

// Creates, loads and runs the notice dialog modally; it is discarded when it closes.
void openNoticeDialog(QWidget* parent);

} // namespace xingming::app
