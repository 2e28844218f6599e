// The browser views for real: a report and the naming result window against a small HTTP
// server of the test's own on loopback, counting what each page asks for.
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
#include <QMap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineView>
#include <QtTest>

using namespace xingming::app;

// The engine's view of a pane.
static QWebEngineView* web(WebPane* pane)
{
    return qobject_cast<QWebEngineView*>(pane->view());
}

// Answers every GET with a small page and counts requests by path and query.
class CountingServer : public QObject {
    Q_OBJECT
public:
    CountingServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    m_buffers[s] += s->readAll();
                    const QByteArray& req = m_buffers[s];
                    if (!req.contains("\r\n\r\n"))
                        return;
                    const QByteArray target = req.split(' ').value(1);
                    if (target != "/favicon.ico")
                        ++hits[QString::fromUtf8(QByteArray::fromPercentEncoding(target))];
                    const QByteArray body = "<html><body><h1>page</h1></body></html>";
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\n"
                             "Content-Length: " +
                             QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    s->disconnectFromHost();
                    m_buffers.remove(s);
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        m_server.listen(QHostAddress::LocalHost);
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:") + QString::number(m_server.serverPort()); }

    QMap<QString, int> hits;

private:
    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

class WebEngineTest : public QObject {
    Q_OBJECT

    CountingServer* m_server = nullptr;

private slots:
    void initTestCase()
    {
        installSongFont();
        m_server = new CountingServer;
        setVendorSiteBase(m_server->base());
    }

    void cleanupTestCase() { delete m_server; }

    void reportPagesLoadOnce()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        w.show();
        fillNameTest(w, QStringLiteral("欧阳"), QStringLiteral("玉"), "Option1", "Option13", exampleDate());
        w.pmzbClick();
        pfIndexForm* r = w.reportWindow();
        QVERIFY(r);
        const QString surname = QStringLiteral("/xingshow.asp?biaoti=欧阳");
        const QString first = QStringLiteral("/chaname.asp?zi=玉");
        const QString second = QStringLiteral("/chaname.asp?zi=");

        // Switching between the web pages several times requests each page once.
        for (int round = 0; round < 3; ++round) {
            for (int page = 1; page <= 3; ++page) {
                r->tabs()->setCurrentIndex(page);
                QTRY_VERIFY_WITH_TIMEOUT(!r->webPane(page)->coverVisible(), 20000);
            }
        }
        QCOMPARE(m_server->hits.value(surname), 1);
        QCOMPARE(m_server->hits.value(first), 1);
        QCOMPARE(m_server->hits.value(second), 1);

        // A new run while the report is open clears the flags: the pages load again.
        w.pmzbClick();
        QCOMPARE(w.reportWindow(), r);
        r->tabs()->setCurrentIndex(1);
        QTRY_COMPARE_WITH_TIMEOUT(m_server->hits.value(surname), 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!r->webPane(1)->coverVisible(), 20000);

        // Closing the report and opening a new one loads them afresh.
        r->close();
        QTRY_VERIFY(!w.reportWindow());
        w.pmzbClick();
        r = w.reportWindow();
        QVERIFY(r);
        r->tabs()->setCurrentIndex(2);
        QTRY_COMPARE_WITH_TIMEOUT(m_server->hits.value(first), 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!r->webPane(2)->coverVisible(), 20000);
        r->close();
    }

    void namingResultWindowFollowsTheLastRequest()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        w.show();
        fillNaming(w, QStringLiteral("王"), "Option25", "Option24", exampleDate());
        w.yingxyClick();
        yxyIndexForm* result = namingResultWindow();
        QVERIFY(result);
        QTRY_VERIFY_WITH_TIMEOUT(!result->pane()->coverVisible(), 20000);
        setField(w, "Combo23", QStringLiteral("9"));
        w.yingxyClick();
        QCOMPARE(namingResultWindow(), result);
        QTRY_VERIFY_WITH_TIMEOUT(!result->pane()->coverVisible(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(
            web(result->pane())->url().toString(QUrl::FullyEncoded).contains(QStringLiteral("hh=9&")), 20000);
        int naming = 0;
        for (auto it = m_server->hits.cbegin(); it != m_server->hits.cend(); ++it)
            naming += it.key().startsWith(QStringLiteral("/bestnametwo.asp")) ? it.value() : 0;
        QCOMPARE(naming, 2);
        result->close();
    }

    void vendorPageWindow()
    {
        setWebPageKey(QStringLiteral("softshow"));
        openWYform page;
        page.load();
        page.show();
        QCOMPARE(page.windowTitle(), QStringLiteral("商品展示"));
        QTRY_VERIFY_WITH_TIMEOUT(!page.pane()->coverVisible(), 20000);
        QCOMPARE(m_server->hits.value(QStringLiteral("/softshow.html")), 1);

        setWebPageKey(QStringLiteral("Huodong"));
        openWYform miss;
        miss.load();
        QCOMPARE(miss.windowTitle(), QStringLiteral("用户反馈"));
        QVERIFY(miss.pane()->coverVisible());
        QCOMPARE(miss.pane()->requestCount(), 0);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    WebEngineTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "webengine_xvfb_test.moc"
