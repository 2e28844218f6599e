// The main window: navigation, the start buttons with their checks, the key filters, the
// report window and the naming request (browser views recorded, engine off).
#include "app/fonts.h"
#include "app/inputs.h"
#include "app/pfindexform.h"
#include "app/programplugin.h"
#include "app/sitebase.h"
#include "app/sitehost.h"
#include "app/twips.h"
#include "app/webpane.h"
#include "app/webwindows.h"
#include "app/zyindexform.h"

#include "panels.h"
#include "recordingboxes.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

using namespace xingming::app;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    template <typename T> static T* child(QWidget* w, const char* name)
    {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no child %s", name);
        return c;
    }

    // A left click on an owner-drawn button, as the user makes it.
    static void press(QWidget* button)
    {
        button->window()->show();
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

private slots:
    void initTestCase()
    {
        installSongFont();
        WebPane::setEngineEnabled(false);
        setVendorSiteBase(QStringLiteral("http://127.0.0.1:9"));
    }

    void startState()
    {
        zyIndexForm w;
        w.show();
        QCOMPARE(w.workArea(), zyIndexForm::WorkArea::Naming);
        auto* systa = child<QTabWidget>(&w, "systa");
        QVERIFY(systa->isVisible());
        QCOMPARE(systa->tabText(systa->currentIndex()), QStringLiteral("音形义模式"));
        // The name-test panel and the fun tools are made when first opened.
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("pingf")));
        QVERIFY(!w.findChild<QWidget*>(QStringLiteral("qucef")));
        QVERIFY(child<QLabel>(&w, "tuijian")->isVisible());
        // "双字名" is the only chosen option, here and on the name-test panel when it opens.
        const auto chosen = [&w](const char* panel) {
            int n = 0;
            for (QRadioButton* b : child<QWidget>(&w, panel)->findChildren<QRadioButton*>())
                n += b->isChecked() ? 1 : 0;
            return n;
        };
        QCOMPARE(chosen("systa"), 1);
        QVERIFY(child<QRadioButton>(&w, "Option28")->isChecked());
        QCOMPARE(child<QComboBox>(&w, "Combo20")->count(), 101);
        QCOMPARE(child<QComboBox>(&w, "Combo20")->itemText(0), QStringLiteral("1930"));
        QCOMPARE(child<QComboBox>(&w, "Combo23")->count(), 24);
        QCOMPARE(child<QComboBox>(&w, "Combo23")->currentText(), QString());
        w.dhtbarButtonClick(2);
        QCOMPARE(chosen("pingf"), 0);
        QCOMPARE(child<QComboBox>(&w, "pxzsc")->currentText(), QString());
    }

    // A panel made when first opened stands where it stood when every panel was made with
    // the window: the same place, the same stacking under the tips frame, the same controls.
    void panelsMadeOnFirstUse_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::newRow("name test first") << QList<int>{2, 3};
        QTest::newRow("fun tools first") << QList<int>{3, 2, 3};
        QTest::newRow("start button first") << QList<int>{0, 3};
    }

    void panelsMadeOnFirstUse()
    {
        QFETCH(QList<int>, clicks);
        RecordingBoxes boxes;
        zyIndexForm w;
        w.show();
        for (int c : clicks) {
            if (c == 0) {
                w.pmzbClick(); // before the panel was ever opened: refused as an empty panel
                QCOMPARE(boxes.take(), QStringList{QStringLiteral("姓不能为空！")});
            } else {
                w.dhtbarButtonClick(c);
            }
        }
        auto* pingf = child<QWidget>(&w, "pingf");
        auto* qucef = child<QWidget>(&w, "qucef");
        QCOMPARE(pingf->geometry(),
                 QRect(QPoint(twipsToPixels(120, &w), twipsToPixels(960, &w)), twipsSize(8895, 3165, &w)));
        QCOMPARE(qucef->geometry(),
                 QRect(QPoint(twipsToPixels(120, &w), twipsToPixels(960, &w)), twipsSize(8895, 5655, &w)));
        // Stacking from the bottom: name-test panel, tips, naming panel; the fun tools on top.
        const QObjectList& order = w.children();
        QVERIFY(order.indexOf(pingf) < order.indexOf(child<QWidget>(&w, "wqtsf")));
        QVERIFY(order.indexOf(child<QWidget>(&w, "wqtsf")) < order.indexOf(child<QWidget>(&w, "systa")));
        QCOMPARE(order.indexOf(qucef), order.size() - 1);
        QVERIFY(qucef->isVisible());
        QCOMPARE(qucef->property("currentIndex").toInt(), 0);
        // One of each control, with the name and accessible name the window gave it.
        for (const char* name : {"Text1", "Text2", "Option1", "Option2", "Option13", "Option18", "Option31", "pxznc",
                                 "pxzyc", "pxzrc", "pxzsc", "pmzb", "Text10", "Text11"})
            QCOMPARE(w.findChildren<QWidget*>(QString::fromLatin1(name)).size(), 1);
        QCOMPARE(child<QWidget>(&w, "Text1")->accessibleName(), QStringLiteral("姓"));
        QCOMPARE(child<QWidget>(&w, "pxzsc")->accessibleName(), QStringLiteral("时"));
        // The lists are filled by the first "名字打分", as when the panel was made at start.
        QCOMPARE(child<QComboBox>(&w, "pxznc")->count(), clicks.contains(2) ? 101 : 0);
    }

    // Tab takes the shown controls in one cycle, whichever panel was opened first.
    void tabOrderIndependentOfFirstUse()
    {
        const auto cycle = [](const QList<int>& clicks) {
            zyIndexForm w;
            w.show();
            for (int c : clicks)
                w.dhtbarButtonClick(c);
            QStringList names;
            QWidget* f = &w;
            do {
                f = f->nextInFocusChain();
                if (f->isVisible() && f->isEnabled() && (f->focusPolicy() & Qt::TabFocus)) {
                    QString path;
                    for (QWidget* p = f; p && p != &w; p = p->parentWidget())
                        path.prepend(QLatin1Char('/') + (p->objectName().isEmpty()
                                                             ? QString::fromLatin1(p->metaObject()->className())
                                                             : p->objectName()));
                    names << path;
                }
            } while (f != &w);
            // From the surname box of the name-test panel on.
            const qsizetype start = names.indexOf(QStringLiteral("/pingf/Text1"));
            return start < 0 ? QStringList{} : names.mid(start) + names.first(start);
        };
        const QStringList testFirst = cycle({2, 3});
        QVERIFY(testFirst.contains(QStringLiteral("/pingf/Text2")));
        QVERIFY(testFirst.contains(QStringLiteral("/qucef/qt_tabwidget_stackedwidget/CoupleMatchPage/Text10")));
        QCOMPARE(cycle({3, 2, 3}), testFirst);
    }

    // Starting the program loads neither the network library nor the browser engine: the
    // site and the engine are plugins loaded on their first use.
    void startLoadsNoPlugin()
    {
        zyIndexForm w;
        w.show();
        w.dhtbarButtonClick(2);
        w.dhtbarButtonClick(3);
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray loaded = maps.readAll();
        for (const char* library : {"libQt6Network", "libxingming_sitehost", "libQt6WebEngine", "libxingming_webview"})
            QVERIFY2(!loaded.contains(library), library);
    }

    void programPlugins_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("loads");
        QTest::newRow("site") << QStringLiteral("libxingming_sitehost.so") << true;
        QTest::newRow("missing") << QStringLiteral("libxingming_nosuch.so") << false;
        QTest::newRow("not a plugin") << QStringLiteral("app_mainwindow_test") << false;
    }

    void programPlugins()
    {
        QFETCH(QString, file);
        QFETCH(bool, loads);
        QString why;
        QObject* plugin = loadProgramPlugin(file, &why);
        QCOMPARE(plugin != nullptr, loads);
        if (loads)
            QVERIFY(qobject_cast<SiteHost*>(plugin));
        else
            QVERIFY(!why.isEmpty());
    }

    void navigation()
    {
        zyIndexForm w;
        w.show();
        w.dhtbarButtonClick(2);
        QCOMPARE(w.workArea(), zyIndexForm::WorkArea::NameTest);
        QVERIFY(child<QWidget>(&w, "pingf")->isVisible());
        QVERIFY(!child<QWidget>(&w, "systa")->isVisible());
        QVERIFY(!child<QLabel>(&w, "tuijian")->isVisible());
        setField(w, "pxznc", QStringLiteral("1990"));
        child<QComboBox>(&w, "pxzyc")->setCurrentIndex(4);
        // A second "名字打分" leaves the lists and the choices as they are.
        w.dhtbarButtonClick(2);
        QCOMPARE(child<QComboBox>(&w, "pxznc")->count(), 101);
        QCOMPARE(child<QComboBox>(&w, "pxzyc")->count(), 12);
        QCOMPARE(child<QComboBox>(&w, "pxzrc")->count(), 31);
        QCOMPARE(child<QComboBox>(&w, "pxzsc")->count(), 24);
        QCOMPARE(child<QComboBox>(&w, "pxznc")->currentText(), QStringLiteral("1990"));
        QCOMPARE(child<QComboBox>(&w, "pxzyc")->currentText(), QStringLiteral("5"));

        w.dhtbarButtonClick(3);
        QCOMPARE(w.workArea(), zyIndexForm::WorkArea::FunTools);
        QVERIFY(child<QWidget>(&w, "qucef")->isVisible());
        w.dhtbarButtonClick(1);
        QVERIFY(!child<QWidget>(&w, "qucef")->isVisible());
        QVERIFY(child<QWidget>(&w, "systa")->isVisible());
        QVERIFY(child<QLabel>(&w, "tuijian")->isVisible());
        w.dhtbarButtonClick(3);
        w.dhtbarButtonClick(2);
        QVERIFY(!child<QWidget>(&w, "qucef")->isVisible());
        QVERIFY(child<QWidget>(&w, "pingf")->isVisible());
        w.dhtbarButtonClick(0);
        w.dhtbarButtonClick(8);
        QCOMPARE(w.workArea(), zyIndexForm::WorkArea::NameTest);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("calendar");
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<QString>("message");
        const QStringList ok{QStringLiteral("1990"), QStringLiteral("5"), QStringLiteral("17"), QStringLiteral("8")};
        // The driver's checks in their order.
        QTest::newRow("empty panel") << QString() << QString() << QString() << QString() << QStringList()
                                     << QStringLiteral("姓不能为空！");
        QTest::newRow("no given name") << QStringLiteral("李") << QString() << QStringLiteral("Option1")
                                       << QStringLiteral("Option13") << ok << QStringLiteral("名不能为空！");
        QTest::newRow("no sex") << QStringLiteral("李") << QStringLiteral("明") << QString()
                                << QStringLiteral("Option13") << ok << QStringLiteral("请选择性别！");
        QTest::newRow("year 2051") << QStringLiteral("李") << QStringLiteral("明") << QStringLiteral("Option1")
                                   << QStringLiteral("Option13")
                                   << QStringList{QStringLiteral("2051"), QStringLiteral("5"), QStringLiteral("17"),
                                                  QStringLiteral("8")}
                                   << QStringLiteral("年不能为空，且应在1901至2050之间！");
        QTest::newRow("31 April") << QStringLiteral("李") << QStringLiteral("明") << QStringLiteral("Option1")
                                  << QStringLiteral("Option13")
                                  << QStringList{QStringLiteral("1990"), QStringLiteral("4"), QStringLiteral("31"),
                                                 QStringLiteral("8")}
                                  << QStringLiteral("4月只有30天！");
        QTest::newRow("hour 24") << QStringLiteral("李") << QStringLiteral("明") << QStringLiteral("Option1")
                                 << QStringLiteral("Option13")
                                 << QStringList{QStringLiteral("1990"), QStringLiteral("5"), QStringLiteral("17"),
                                                QStringLiteral("24")}
                                 << QStringLiteral("时不能为空，且应在0至23之间！");
        QTest::newRow("no calendar") << QStringLiteral("李") << QStringLiteral("明") << QStringLiteral("Option1")
                                     << QString() << ok << QStringLiteral("您输入的是公历、农历？请选择！");
        QTest::newRow("lunar day 30 of 29")
            << QStringLiteral("李") << QStringLiteral("明") << QStringLiteral("Option1") << QStringLiteral("Option18")
            << QStringList{QStringLiteral("1990"), QStringLiteral("1"), QStringLiteral("30"), QStringLiteral("1")}
            << QStringLiteral("请核对万年历，您输入的农历日期有误！");
    }

    void checks()
    {
        QFETCH(QString, surname);
        QFETCH(QString, given);
        QFETCH(QString, sex);
        QFETCH(QString, calendar);
        QFETCH(QStringList, date);
        QFETCH(QString, message);
        RecordingBoxes boxes;
        zyIndexForm w;
        w.dhtbarButtonClick(2);
        fillNameTest(w, surname, given, sex.toLatin1().constData(), calendar.toLatin1().constData(), date);
        press(child<QWidget>(&w, "pmzb"));
        QCOMPARE(boxes.take(), QStringList{message});
        // A refused run changes nothing: no report, no stored values.
        QVERIFY(!w.reportWindow());
        QCOMPARE(w.tg, qint16(0));
        QVERIFY(w.sex.isEmpty());
    }

    void keyFilters()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        w.show();
        w.dhtbarButtonClick(2);
        auto* text1 = child<QLineEdit>(&w, "Text1");
        QTest::keyClick(text1, Qt::Key_A);
        QTest::keyClick(text1, Qt::Key_1);
        QCOMPARE(text1->text(), QString());
        QCOMPARE(boxes.take(), (QStringList{QStringLiteral("姓只能输入中文"), QStringLiteral("姓只能输入中文")}));
        QTest::keyClick(child<QLineEdit>(&w, "Text2"), Qt::Key_B);
        QCOMPARE(boxes.take(), QStringList{QStringLiteral("名只能输入中文")});
        // Chinese text, Backspace and a pasted over-long name.
        // Chinese characters arrive as key events that carry their text.
        for (const QString& ch : {QStringLiteral("欧"), QStringLiteral("阳")}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
            QApplication::sendEvent(text1, &press);
        }
        QCOMPARE(text1->text(), QStringLiteral("欧阳"));
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(text1->text(), QStringLiteral("欧"));
        text1->setText(QStringLiteral("𠀀𠀀𠀀"));
        QCOMPARE(text1->text(), QStringLiteral("𠀀𠀀"));
        QVERIFY(boxes.take().isEmpty());

        auto* hour = child<QComboBox>(&w, "pxzsc")->lineEdit();
        QTest::keyClick(hour, Qt::Key_A);
        QCOMPARE(boxes.warnings, QStringList{QStringLiteral("时辰只能输入数字！")});
        QCOMPARE(hour->text(), QString());
        boxes.take();
        QTest::keyClicks(hour, QStringLiteral("18"));
        QTest::keyClick(hour, Qt::Key_Backspace);
        QCOMPARE(hour->text(), QStringLiteral("1"));
        QVERIFY(boxes.take().isEmpty());
        QTest::keyClick(child<QComboBox>(&w, "Combo20")->lineEdit(), Qt::Key_Minus);
        QTest::keyClick(child<QLineEdit>(&w, "Text9"), Qt::Key_Z);
        QCOMPARE(boxes.take(), (QStringList{QStringLiteral("姓只能输入中文"), QStringLiteral("年份只能输入数字！")}));
    }

    void reportOfTheWorkedExample()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        fillWorkedExample(w);
        press(child<QWidget>(&w, "pmzb"));
        QVERIFY(boxes.take().isEmpty());
        pfIndexForm* r = w.reportWindow();
        QVERIFY(r);
        QVERIFY(r->isVisible());
        QCOMPARE(w.sex, QStringLiteral("男"));
        QCOMPARE(w.tg, qint16(8));
        QCOMPARE(w.rg, qint16(15));
        QCOMPARE(w.dG, qint16(9));
        QCOMPARE(w.wg, qint16(2));
        QCOMPARE(w.zg, qint16(15));
        QCOMPARE(r->line(QStringLiteral("xs1"))->text(), QStringLiteral("李"));
        QCOMPARE(r->line(QStringLiteral("bh1"))->text(), QStringLiteral("7"));
        QCOMPARE(r->line(QStringLiteral("bh3"))->text(), QStringLiteral("8"));
        QVERIFY(!r->line(QStringLiteral("bh2"))->isVisibleTo(r));
        QVERIFY(!r->line(QStringLiteral("wx4"))->isVisibleTo(r));
        QCOMPARE(r->line(QStringLiteral("tgl"))->text(), QStringLiteral("8(金)"));
        QCOMPARE(r->line(QStringLiteral("gongli"))->text(), QStringLiteral("-> 1990年5月17日18时"));
        QCOMPARE(r->line(QStringLiteral("nongli"))->text(), QStringLiteral("-> 庚午(马)年四月廿三酉时"));
        QCOMPARE(r->line(QStringLiteral("bazhi"))->text(), QStringLiteral("-> 庚午 辛巳 壬午 己酉"));
        QCOMPARE(r->line(QStringLiteral("whstr"))->text(),
                 QStringLiteral("此命五行缺木；日主天干为水；必须有木助，但忌火太多。"));
        QCOMPARE(r->line(QStringLiteral("head_rp"))->text(),
                 QStringLiteral("人格15的解析(人格数又称主运，是整个姓名的中心点，影响人的一生命运。)"));
        QCOMPARE(r->line(QStringLiteral("rp"))->text(),
                 QStringLiteral("-> 15 （福寿） 福寿圆满，富贵荣誉，涵养雅量，德高望重。 （大吉）"));
        QCOMPARE(r->line(QStringLiteral("rp"))->palette().color(QPalette::WindowText), QColor(255, 128, 0));
        QCOMPARE(r->line(QStringLiteral("dp"))->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QCOMPARE(r->line(QStringLiteral("jsp"))->text(),
                 QStringLiteral("-> 严重不安定，灾害接连不断，易急变，没落，灾死的配置；易患脑溢血疾病。（凶）"));
        QCOMPARE(r->line(QStringLiteral("head_danshi"))->text(), QStringLiteral("地格9的数理暗示"));
        QCOMPARE(r->line(QStringLiteral("danshi"))->text(), QStringLiteral("-> 败财运"));
        QCOMPARE(r->line(QStringLiteral("ranshi"))->text(), QStringLiteral("-> "));
        QCOMPARE(r->line(QStringLiteral("score"))->text(), QStringLiteral("姓名得分：80.5"));
        QCOMPARE(r->line(QStringLiteral("lastdp"))->text(),
                 QStringLiteral("你的名字起得相当不错，但别忘了要想成功，还要继续努力哟。需谨慎处理财富"));
        QFont score = r->line(QStringLiteral("score"))->font();
        QVERIFY(score.bold() && score.underline());
        QCOMPARE(score.pointSizeF(), 15.75);
        QCOMPARE(r->detailNumbers(), (std::array<qint16, 5>{8, 15, 9, 2, 15}));
        r->close();
        QTRY_VERIFY(!w.reportWindow());
    }

    void detailButtonsOpenTheirNumbers()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        fillWorkedExample(w);
        press(child<QWidget>(&w, "pmzb"));
        pfIndexForm* r = w.reportWindow();
        QVERIFY(r);
        // 天格 8, 人格 15, 地格 9, 外格 2, 总格 15: each button opens the detail window of its
        // grid's number, modally; the window is read and closed from inside its loop.
        const char* const buttons[] = {"chuantgb", "isButton2", "isButton3", "isButton4", "isButton5"};
        const char* const headers[] = {"8.（", "15.（", "9.（", "2.（", "15.（"};
        for (int i = 0; i < 5; ++i) {
            QString shown;
            QTimer::singleShot(0, [&shown] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal)
                    return;
                if (auto* text = modal->findChild<QPlainTextEdit*>())
                    shown = text->toPlainText();
                else if (auto* rich = modal->findChild<QTextEdit*>())
                    shown = rich->toPlainText();
                modal->close();
            });
            press(child<QWidget>(r, buttons[i]));
            QVERIFY2(shown.startsWith(QString::fromUtf8(headers[i])), qPrintable(shown.left(40)));
        }
        r->close();
    }

    void closingTheMainWindowLeavesTheReport()
    {
        RecordingBoxes boxes;
        auto* w = new zyIndexForm;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        fillWorkedExample(*w);
        w->pmzbClick();
        QPointer<pfIndexForm> report = w->reportWindow();
        QVERIFY(report);
        // The report is a window of its own: closing the main window by its title bar
        // leaves it open, and the program runs on until it closes too.
        w->close();
        QTRY_VERIFY(report && report->isVisible());
        QVERIFY(!QApplication::topLevelWidgets().isEmpty());
        report->close();
        QTRY_VERIFY(!report);
    }

    void reportReusedAndRefilled()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        fillWorkedExample(w);
        press(child<QWidget>(&w, "pmzb"));
        pfIndexForm* first = w.reportWindow();
        QVERIFY(first);
        // Visit the three web pages: each is requested once.
        for (int page : {1, 2, 3, 1, 2, 3})
            first->tabs()->setCurrentIndex(page);
        QCOMPARE(first->webPane(1)->requestCount(), 1);
        QCOMPARE(first->webPane(3)->requestCount(), 1);
        QCOMPARE(first->webPane(2)->requestedUrl().toString(), QStringLiteral("http://127.0.0.1:9/chaname.asp?zi=明"));
        QCOMPARE(first->webPane(3)->requestedUrl().toString(), QStringLiteral("http://127.0.0.1:9/chaname.asp?zi="));
        QCOMPARE(first->loadedFlags(), (std::array<bool, 3>{true, true, true}));
        first->tabs()->setCurrentIndex(0);

        // A two-character surname with a one-character given name, the report still open.
        fillNameTest(w, QStringLiteral("欧阳"), QStringLiteral("玉"), "Option2", "Option13",
                     {QStringLiteral("2000"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")});
        press(child<QWidget>(&w, "pmzb"));
        QCOMPARE(w.reportWindow(), first);
        QCOMPARE(first->loadedFlags(), (std::array<bool, 3>{false, false, false}));
        QCOMPARE(first->line(QStringLiteral("xs2"))->text(), QStringLiteral("阳"));
        QVERIFY(first->line(QStringLiteral("bh2"))->isVisibleTo(first));
        QVERIFY(!first->line(QStringLiteral("bh4"))->isVisibleTo(first));
        QCOMPARE(first->line(QStringLiteral("tgl"))->text(), QStringLiteral("32(木)"));
        QCOMPARE(first->pageAddress(1), QStringLiteral("http://127.0.0.1:9/xingshow.asp?biaoti=欧阳"));
        first->tabs()->setCurrentIndex(1);
        QCOMPARE(first->webPane(1)->requestCount(), 2);
        QVERIFY(first->webPane(1)->coverVisible());
        // "返 回" returns to the report page.
        child<QAbstractButton>(first, "Command1")->click();
        QCOMPARE(first->tabs()->currentIndex(), 0);
        child<QAbstractButton>(first, "Command2")->click();
        QTRY_VERIFY(!w.reportWindow());
    }

    void namingRequest_data()
    {
        QTest::addColumn<QString>("calendar");
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("query");
        // The example of the naming request, and a lunar date sent converted.
        QTest::newRow("solar 1990-5-17") << QStringLiteral("Option24")
                                         << QStringList{QStringLiteral("1990"), QStringLiteral("5"),
                                                        QStringLiteral("17"), QStringLiteral("18")}
                                         << false
                                         << QStringLiteral(
                                                "/bestnametwo.asp?cm=8&youname1=%CD%F5&sex=%C4%D0&nx=%B9%AB%C0%FA"
                                                "&nian=1990&yue=5&ri=17&hh=18&ns=2&zd=0&ji=yes&bj=yes&xiong=yes&xn=4"
                                                "&zf=80&btnAdd=%B5%BD%CF%C2%D2%BB%B2%BD");
        QTest::newRow("lunar 1990-4-23 single")
            << QStringLiteral("Option23")
            << QStringList{QStringLiteral("1990"), QStringLiteral("4"), QStringLiteral("23"), QStringLiteral("18")}
            << true
            << QStringLiteral("/bestnametwo.asp?cm=8&youname1=%CD%F5&sex=%C4%D0&nx=%B9%AB%C0%FA"
                              "&nian=1990&yue=5&ri=17&hh=18&ns=1&zd=0&ji=yes&bj=yes&xiong=yes"
                              "&xn=4&zf=80&btnAdd=%B5%BD%CF%C2%D2%BB%B2%BD");
    }

    void namingRequest()
    {
        QFETCH(QString, calendar);
        QFETCH(QStringList, date);
        QFETCH(bool, single);
        QFETCH(QString, query);
        RecordingBoxes boxes;
        zyIndexForm w;
        fillNaming(w, QStringLiteral("王"), "Option25", calendar.toLatin1().constData(), date);
        if (single)
            choose(w, "Option27");
        press(child<QWidget>(&w, "yingxy"));
        QCOMPARE(boxes.take(), QStringList{QStringLiteral(
                                   "此命五行缺木；日主天干为水；必须有木助，但忌火太多。请您稍后参考此资料取名！")});
        QCOMPARE(w.yxy_str, QStringLiteral("http://127.0.0.1:9") + query);
        yxyIndexForm* result = namingResultWindow();
        QVERIFY(result);
        QCOMPARE(result->pane()->requestedUrl(), QUrl(w.yxy_str));
        // A second request reuses the open window and navigates it anew.
        setField(w, "Combo23", QStringLiteral("19"));
        press(child<QWidget>(&w, "yingxy"));
        QCOMPARE(namingResultWindow(), result);
        QCOMPARE(result->pane()->requestCount(), 2);
        QVERIFY(result->pane()->requestedUrl().toString(QUrl::FullyEncoded).contains(QStringLiteral("hh=19")));
        result->close();
        QTRY_VERIFY(!namingResultWindow());
    }

    void namingChecks()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        press(child<QWidget>(&w, "yingxy"));
        child<QLineEdit>(&w, "Text9")->setText(QStringLiteral("王"));
        press(child<QWidget>(&w, "yingxy"));
        child<QRadioButton>(&w, "Option26")->setChecked(true);
        setField(w, "Combo20", QStringLiteral("1992"));
        setField(w, "Combo21", QStringLiteral("2"));
        setField(w, "Combo22", QStringLiteral("30"));
        setField(w, "Combo23", QStringLiteral("3"));
        press(child<QWidget>(&w, "yingxy"));
        child<QRadioButton>(&w, "Option24")->setChecked(true);
        setField(w, "Combo22", QStringLiteral("3"));
        setField(w, "Combo23", QString());
        press(child<QWidget>(&w, "yingxy"));
        QCOMPARE(boxes.take(), (QStringList{QStringLiteral("姓不能为空！"), QStringLiteral("请选择性别！"),
                                            QStringLiteral("1992年是闰年，2月只有29天！"),
                                            QStringLiteral("时不能为空，且应在0至23之间！")}));
        QVERIFY(w.yxy_str.isEmpty());
        QVERIFY(!namingResultWindow());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
