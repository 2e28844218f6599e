// The purchase-information dialog frmBy ("欢迎购买"), opened by the toolbar button
// "购买软件": links to the shop, payment and contact pages of the vendor site.
#pragma once

#include "app/linkdialog.h"

namespace xingming::widgets {
class isButton;
}

namespace xingming::app {

class frmBy final : public LinkDialog {
    Q_OBJECT

public:
    explicit frmBy(QWidget* parent = nullptr);

    void load(); // caption of isButton1, centre

private:
    widgets::isButton* m_isButton1;
};

// Creates, loads and runs the purchase dialog modally; it is discarded when it closes.
void openPurchaseDialog(QWidget* parent);

} // namespace xingming::app
