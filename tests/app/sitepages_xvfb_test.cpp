// The program's own site in the real browser views: the naming request opens a page of
// ranked names, the report's tabs show the surname and character pages, the toolbar's
// page opens. With XINGMING_SCREENSHOT_DIR set the windows are photographed there.
#include "app/fonts.h"
#include "app/pfindexform.h"
#include "app/sitebase.h"
#include "app/webpane.h"
#include "app/webwindows.h"
#include "app/zyindexform.h"

#include "panels.h"
#include "recordingboxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using namespace xingming::app;

// The engine's view of a pane.
static QWebEngineView* web(WebPane* pane)
{
    return qobject_cast<QWebEngineView*>(pane->view());
}

class SitePagesTest : public QObject {
    Q_OBJECT

    // The text of the page a pane shows, once it is there.
    static QString pageText(WebPane* pane)
    {
        QString text;
        bool done = false;
        web(pane)->page()->toPlainText([&](const QString& t) {
            text = t;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, 10000))
            qWarning("the page text did not come");
        return text;
    }

    static void photograph(QWidget* window, const char* name)
    {
        const QString dir = qEnvironmentVariable("XINGMING_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QTest::qWait(800); // let the page paint
        const QPixmap shot = window->screen()->grabWindow(window->winId());
        QVERIFY(shot.save(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png")));
    }

private slots:
    void initTestCase()
    {
        installSongFont();
        QVERIFY(vendorSiteBase().startsWith(QStringLiteral("http://127.0.0.1:")));
    }

    void namingPage()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        w.show();
        fillNaming(w, QStringLiteral("王"), "Option25", "Option24", exampleDate());
        w.yingxyClick();
        yxyIndexForm* result = namingResultWindow();
        QVERIFY(result);
        QTRY_VERIFY_WITH_TIMEOUT(!result->pane()->coverVisible(), 30000);
        const QString text = pageText(result->pane());
        QVERIFY2(text.contains(QStringLiteral("此命五行缺木")), qPrintable(text.left(300)));
        QVERIFY(text.contains(QStringLiteral("王")));
        photograph(result, "naming-result");
        web(result->pane())->page()->runJavaScript(QStringLiteral("window.scrollTo(0, 560)"));
        photograph(result, "naming-result-names");
        result->close();
    }

    void reportPages()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        w.show();
        fillWorkedExample(w);
        w.pmzbClick();
        pfIndexForm* r = w.reportWindow();
        QVERIFY(r);
        r->tabs()->setCurrentIndex(1);
        QTRY_VERIFY_WITH_TIMEOUT(!r->webPane(1)->coverVisible(), 30000);
        QVERIFY(pageText(r->webPane(1)).contains(QStringLiteral("天格")));
        photograph(r, "report-surname-page");
        r->tabs()->setCurrentIndex(2);
        QTRY_VERIFY_WITH_TIMEOUT(!r->webPane(2)->coverVisible(), 30000);
        const QString ch = pageText(r->webPane(2));
        QVERIFY2(ch.contains(QStringLiteral("明")) && ch.contains(QStringLiteral("8")), qPrintable(ch.left(300)));
        photograph(r, "report-character-page");
        r->tabs()->setCurrentIndex(3);
        QTRY_VERIFY_WITH_TIMEOUT(!r->webPane(3)->coverVisible(), 30000);
        QVERIFY(pageText(r->webPane(3)).contains(QStringLiteral("只有一个字")));
        r->close();
    }

    void vendorPage()
    {
        setWebPageKey(QStringLiteral("huodong"));
        openWYform page;
        page.load();
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(!page.pane()->coverVisible(), 30000);
        QCOMPARE(page.windowTitle(), QStringLiteral("限时活动"));
        photograph(&page, "vendor-huodong");
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SitePagesTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "sitepages_xvfb_test.moc"
