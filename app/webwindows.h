// The windows that embed a browser view: the vendor-page window openWYform and the
// naming result window yxyIndexForm.
#pragma once

#include <QDialog>
#include <QString>

namespace xingming::app {

class WebPane;

// The vendor-page window: one of the five vendor pages, chosen by webPageKey().
class openWYform : public QDialog {
    Q_OBJECT
public:
    explicit openWYform(QWidget* parent = nullptr);

    // The load step: centre, look the key up, set the caption and navigate.
    void load();
    WebPane* pane() const { return m_pane; }

private:
    WebPane* m_pane;
};

// Opens the vendor-page window modally on the page that webPageKey() names (callers go
// through openVendorPage of vendorpageopener.h, which tests can replace).
void openVendorPageWindow(QWidget* parent);

// The naming result window, created on the first request and reused while open.
class yxyIndexForm : public QWidget {
    Q_OBJECT
public:
    explicit yxyIndexForm(QWidget* parent = nullptr);

    void navigateTo(const QString& address);
    WebPane* pane() const { return m_pane; }

private:
    WebPane* m_pane;
};

// Shows the naming result window (creating and centring it on first use) and navigates
// it to address, bringing it to the front.
void showNamingResultWindow(const QString& address, const QString& title = QString());

// The naming result window while it is open (nullptr otherwise).
yxyIndexForm* namingResultWindow();

} // namespace xingming::app
