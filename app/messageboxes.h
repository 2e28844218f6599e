// Every message box of the program goes through this interface, so that tests record
// the messages instead of running a modal loop.
#pragma once

#include <QString>

class QWidget;

namespace xingming::app {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // One OK button, title "提示", information icon.
    virtual void tip(QWidget* parent, const QString& text) = 0;

    // One OK button, title "提示", warning icon (the date fields' key filter).
    virtual void warning(QWidget* parent, const QString& text) = 0;

    // One OK button, information icon, a title of the caller's (" 温馨提示").
    virtual void titled(QWidget* parent, const QString& text, const QString& title) = 0;
};

// Real message boxes (QMessageBox).
class DialogMessageBoxes final : public MessageBoxes {
public:
    void tip(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    void titled(QWidget* parent, const QString& text, const QString& title) override;
};

// The message boxes the program uses unless a test installs its own.
MessageBoxes& messageBoxes();
void setMessageBoxes(MessageBoxes* boxes); // nullptr restores the real ones

} // namespace xingming::app
