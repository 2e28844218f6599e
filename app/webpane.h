// A browser view with its cover: the cover "请稍候．．．" lies over the view from the
// moment a page is requested until the view reports its top document complete. The view
// itself is created on the first request, so the browser engine starts only when needed.
#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;

namespace xingming::app {

class WebPane : public QWidget {
    Q_OBJECT
public:
    explicit WebPane(QWidget* parent = nullptr);

    // Shows the cover and navigates to url.
    void navigate(const QUrl& url);

    bool coverVisible() const;
    QUrl requestedUrl() const { return m_url; }
    int requestCount() const { return m_requests; }
    QWidget* view() const { return m_view; } // the engine's view (a QWebEngineView)

    // With the engine off, requests are recorded but no browser view is made (window
    // tests that need no page run without starting the engine).
    static void setEngineEnabled(bool on);
    static bool engineEnabled();

signals:
    // The top document of the last request is complete (the cover has been hidden).
    void completed(bool ok);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* m_view = nullptr;
    QLabel* m_cover = nullptr;
    QUrl m_url;
    int m_requests = 0;
};

} // namespace xingming::app
