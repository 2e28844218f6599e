// The common part of the notice and purchase dialogs: link texts that turn regular
// again when the mouse moves over the dialog's own background, and one "确定" button
// that Enter and Esc press.
#pragma once

#include <QDialog>

class QPushButton;

namespace xingming::app {

class LinkDialog : public QDialog {
    Q_OBJECT

public:
    explicit LinkDialog(QWidget* parent);

protected:
    // Creates cmdOK "确定" at a place in twips: the default button, pressed by Esc as
    // well, and closing the dialog.
    QPushButton* addOkButton(int left, int top, int width, int height);

    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
};

} // namespace xingming::app
