// The detail window and the notice and purchase dialogs, offscreen. The vendor-page
// window is replaced by a recorder of the pages the dialogs ask for.
#include "app/fonts.h"
#include "app/frmbq.h"
#include "app/frmby.h"
#include "app/linklabel.h"
#include "app/slshowform.h"
#include "app/vendorpageopener.h"
#include "app/sitebase.h"
#include "naming/explanations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace xingming::app;

namespace {

struct Opening {
    QString key;      // WebPageKey when the window opened
    QWidget* parent;  // the window it opened over
    bool parentShown; // whether that window was still on the screen
};

// A loaded dialog by window name; the detail window shows number 3.
QDialog* makeDialog(const QString& name)
{
    if (name == QLatin1String("frmBq")) {
        auto* d = new frmBq;
        d->load();
        return d;
    }
    if (name == QLatin1String("frmBy")) {
        auto* d = new frmBy;
        d->load();
        return d;
    }
    auto* d = new slShowForm;
    d->genum = 3;
    d->load();
    return d;
}

void moveOver(QWidget* w, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void discardClosed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    std::vector<Opening> m_openings;

private slots:
    void initTestCase()
    {
        installSongFont();
        vendorPageOpener() = [this](QWidget* parent) {
            m_openings.push_back({webPageKey(), parent, parent && parent->isVisible()});
        };
    }

    void init() { m_openings.clear(); }

    // Expected headers from the explanation table's own header lines (number 1 in ASCII
    // parentheses); 23 is one of the longest texts.
    void detailText_data()
    {
        QTest::addColumn<int>("genum");
        QTest::addColumn<QString>("header");
        QTest::newRow("1") << 1 << QStringLiteral("1.(宇宙起源)天地开泰太极首领数。（大吉）");
        QTest::newRow("23") << 23 << QStringLiteral("23.（壮丽）");
        QTest::newRow("81") << 81 << QStringLiteral("81.（万物回春）");
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("-1") << -1 << QString();
        QTest::newRow("82") << 82 << QString();
    }

    void detailText()
    {
        QFETCH(int, genum);
        QFETCH(QString, header);
        slShowForm w;
        w.genum = static_cast<qint16>(genum);
        w.load();
        auto* text = w.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(text);
        if (header.isEmpty()) {
            QStringList shown;
            for (QWidget* child : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (child->isVisibleTo(&w))
                    shown << child->objectName();
            QCOMPARE(shown, QStringList{QStringLiteral("Command1")});
            return;
        }
        QVERIFY(text->isVisibleTo(&w));
        const QString shown = text->toPlainText();
        QVERIFY(shown.startsWith(header));
        // Each CR LF is one line break: as many lines as the text has, no stray CR.
        const std::string_view raw = xingming::naming::explanationText(genum);
        QVERIFY(!shown.contains(QLatin1Char('\r')));
        QCOMPARE(text->document()->blockCount(), int(std::count(raw.begin(), raw.end(), '\n')) + 1);
    }

    void detailTwoOpeningsInARow()
    {
        QPointer<slShowForm> first = new slShowForm;
        first->genum = 23;
        first->load();
        first->findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
        QCOMPARE(first->genum, qint16(0));
        QVERIFY(!first->isVisible());
        discardClosed();
        QVERIFY2(first.isNull(), "a closed detail window is discarded");

        std::unique_ptr<slShowForm> second(new slShowForm);
        second->genum = 45;
        second->load();
        const QString shown = second->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
        QVERIFY(shown.startsWith(QStringLiteral("45.")));
        QVERIFY(!shown.contains(QStringLiteral("23.（")));
    }

    // The open functions run their window modally and leave nothing behind.
    void openers_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("closer");
        QTest::newRow("openDetailWindow 45") << QStringLiteral("slShowForm") << QStringLiteral("Command1");
        QTest::newRow("openNoticeDialog") << QStringLiteral("frmBq") << QStringLiteral("cmdOK");
        QTest::newRow("openPurchaseDialog") << QStringLiteral("frmBy") << QStringLiteral("cmdOK");
    }

    void openers()
    {
        QFETCH(QString, window);
        QFETCH(QString, closer);
        QWidget owner;
        QString seen;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen = modal->objectName();
            if (auto* text = modal->findChild<QPlainTextEdit*>(QStringLiteral("Text1")))
                seen += u' ' + text->toPlainText().left(3);
            if (auto* button = modal->findChild<QAbstractButton*>(closer))
                button->click();
            modal->close();
        });
        if (window == QLatin1String("slShowForm"))
            openDetailWindow(&owner, 45);
        else if (window == QLatin1String("frmBq"))
            openNoticeDialog(&owner);
        else
            openPurchaseDialog(&owner);
        discardClosed();
        QCOMPARE(seen, window == QLatin1String("slShowForm") ? QStringLiteral("slShowForm 45.") : window);
        QVERIFY(owner.findChildren<QDialog*>().isEmpty());
    }

    // A link turns bold on a move over it and regular only on a move over the bare
    // background; leaving it, or moving over another control, changes nothing.
    void linkHover_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("otherLink");
        QTest::addColumn<QString>("plainLine");
        QTest::newRow("frmBq Label6") << QStringLiteral("Label6") << QString() << QStringLiteral("Label1");
        QTest::newRow("frmBy Label4") << QStringLiteral("Label4") << QStringLiteral("Label1")
                                      << QStringLiteral("Label2");
        QTest::newRow("frmBy Label1") << QStringLiteral("Label1") << QStringLiteral("Label4")
                                      << QStringLiteral("Label5");
    }

    void linkHover()
    {
        QFETCH(QString, link);
        QFETCH(QString, otherLink);
        QFETCH(QString, plainLine);
        std::unique_ptr<QDialog> d(
            makeDialog(QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 0)));
        d->show();
        auto* hot = d->findChild<LinkLabel*>(link);
        QVERIFY(hot);
        QVERIFY(!hot->isHot());

        moveOver(hot, hot->rect().center());
        QVERIFY(hot->isHot());
        QCOMPARE(hot->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QVERIFY(hot->font().underline());

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(hot, &leave);
        auto* line = d->findChild<QWidget*>(plainLine);
        auto* ok = d->findChild<QWidget*>(QStringLiteral("cmdOK"));
        QVERIFY(line && ok);
        moveOver(line, line->rect().center());
        moveOver(ok, ok->rect().center());
        QVERIFY(hot->isHot());

        LinkLabel* other = otherLink.isEmpty() ? nullptr : d->findChild<LinkLabel*>(otherLink);
        if (other) {
            moveOver(other, other->rect().center());
            QVERIFY(other->isHot() && hot->isHot());
        }

        const QPoint background(3, 3);
        QVERIFY(!d->childAt(background));
        moveOver(d.get(), background);
        QVERIFY(!hot->isHot());
        QVERIFY(!other || !other->isHot());
    }

    void linkOpensVendorPage_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("frmBq Label6") << QStringLiteral("frmBq") << QStringLiteral("Label6")
                                      << QStringLiteral("lianxi");
        QTest::newRow("frmBy isButton1") << QStringLiteral("frmBy") << QStringLiteral("isButton1")
                                         << QStringLiteral("taobao");
        QTest::newRow("frmBy Label4") << QStringLiteral("frmBy") << QStringLiteral("Label4")
                                      << QStringLiteral("howpay");
        QTest::newRow("frmBy Label1") << QStringLiteral("frmBy") << QStringLiteral("Label1")
                                      << QStringLiteral("lianxi");
    }

    void linkOpensVendorPage()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QString, key);
        std::unique_ptr<QDialog> d(makeDialog(dialog));
        d->show();
        setWebPageKey(QStringLiteral("softshow"));
        auto* target = d->findChild<QWidget*>(control);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        QCOMPARE(m_openings.size(), size_t(1));
        QCOMPARE(m_openings[0].key, key);
        QCOMPARE(m_openings[0].parent, d.get());
        QVERIFY(m_openings[0].parentShown);
        QVERIFY2(d->isVisible(), "the dialog stays open after the vendor-page window");
    }

    // Enter and Esc press "确定", also with the focus on the shop button.
    void okKeys_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("frmBq Return") << QStringLiteral("frmBq") << QString() << int(Qt::Key_Return);
        QTest::newRow("frmBq Esc") << QStringLiteral("frmBq") << QString() << int(Qt::Key_Escape);
        QTest::newRow("frmBy Return on isButton1")
            << QStringLiteral("frmBy") << QStringLiteral("isButton1") << int(Qt::Key_Return);
        QTest::newRow("frmBy Esc on isButton1")
            << QStringLiteral("frmBy") << QStringLiteral("isButton1") << int(Qt::Key_Escape);
    }

    void okKeys()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QPointer<QDialog> d = makeDialog(dialog);
        d->show();
        QSignalSpy pressed(d->findChild<QAbstractButton*>(QStringLiteral("cmdOK")), &QAbstractButton::clicked);
        QWidget* target = focus.isEmpty() ? d->focusWidget() : d->findChild<QWidget*>(focus);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(pressed.count(), 1);
        QVERIFY(m_openings.empty());
        QVERIFY(!d->isVisible());
        discardClosed();
        QVERIFY(d.isNull());
    }

    // Saves the pictures of docs/screenshots when XINGMING_SCREENSHOT_DIR names a folder.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("XINGMING_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("XINGMING_SCREENSHOT_DIR not set");
        slShowForm detail;
        detail.genum = 23;
        detail.load();
        std::unique_ptr<QDialog> notice(makeDialog(QStringLiteral("frmBq")));
        std::unique_ptr<QDialog> purchase(makeDialog(QStringLiteral("frmBy")));
        for (QWidget* w : std::initializer_list<QWidget*>{&detail, notice.get(), purchase.get()}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        const QDir out(dir);
        QVERIFY(detail.grab().save(out.filePath(QStringLiteral("detail-window.png"))));
        QVERIFY(notice->grab().save(out.filePath(QStringLiteral("notice-dialog.png"))));
        QVERIFY(purchase->grab().save(out.filePath(QStringLiteral("purchase-dialog.png"))));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
