// The fun-tools tab strip qucef and its three pages, driven through their controls offscreen,
// with the message boxes recorded. Expected values are worked out by hand from the rules of
// each tool (verdict titles and scores, the chart rows, sines at 2πd / P); they are not read
// from the fun/ tables.
#include "app/biorhythmchart.h"
#include "app/fonts.h"
#include "app/funtoolspanel.h"
#include "app/twips.h"
#include "recordingboxes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <memory>

using namespace xingming::app;
using namespace Qt::Literals::StringLiterals;

namespace {

// Picks an entry of a list as a click in its pop-up does.
void pick(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(box->objectName() + QLatin1Char(' ') + text));
    box->setCurrentIndex(i);
    emit box->activated(i);
}

// Types a text over the list's text.
void type(QComboBox* box, const QString& text)
{
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
}

// Whether some pixel within one pixel of p has the colour.
bool colourNear(const QImage& image, QPointF p, QColor colour)
{
    const int cx = static_cast<int>(std::lround(p.x())), cy = static_cast<int>(std::lround(p.y()));
    for (int y = cy - 1; y <= cy + 1; ++y)
        for (int x = cx - 1; x <= cx + 1; ++x)
            if (image.valid(x, y) && image.pixelColor(x, y).rgb() == colour.rgb())
                return true;
    return false;
}

} // namespace

class FunToolsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingBoxes> boxes;
    std::unique_ptr<FunToolsPanel> panel;

    template <class T> T* find(const char* name)
    {
        T* w = panel->findChild<T*>(QString::fromLatin1(name));
        return w ? w : (qFatal("no control %s", name), nullptr);
    }
    QLabel* label(const char* name) { return find<QLabel>(name); }
    QComboBox* list(const char* name) { return find<QComboBox>(name); }
    QString year(int offset) const { return QString::number(QDate::currentDate().year() + offset); }

    void typeDays(const QString& girl, const QString& boy)
    {
        QTest::keyClicks(find<QLineEdit>("Text10"), girl);
        QTest::keyClicks(find<QLineEdit>("Text11"), boy);
    }
    void draw(QDate birth, QDate query)
    {
        find<QDateEdit>("DTPicker2")->setDate(QDate(9999, 1, 1));
        find<QDateEdit>("DTPicker1")->setDate(birth);
        find<QDateEdit>("DTPicker2")->setDate(query);
    }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(8, 8)); }
    bool shown(std::initializer_list<const char*> names, bool visible)
    {
        for (const char* name : names)
            if (find<QWidget>(name)->isHidden() == visible)
                return false;
        return true;
    }
    void pickAll(const QStringList& texts) // CobNL1 .. CobNL4, Cobdt1, Cobdt2; "" stays unchosen
    {
        const char* names[6] = {"CobNL1", "CobNL2", "CobNL3", "CobNL4", "Cobdt1", "Cobdt2"};
        for (int i = 0; i < texts.size(); ++i)
            if (!texts[i].isEmpty())
                pick(list(names[i]), texts[i]);
    }
    QStringList indexLabels() { return {label("Label69")->text(), label("Label70")->text(), label("Label68")->text()}; }
    QStringList results()
    {
        return {label("LjieG1")->text(), label("LjieG2")->text(), label("LjieG3")->text(), label("LjieG4")->text()};
    }

private slots:
    void initTestCase()
    {
        installSongFont();
        QVERIFY(!QFont::substitutes(QStringLiteral("宋体")).isEmpty());
    }

    void init()
    {
        boxes = std::make_unique<RecordingBoxes>();
        panel = std::make_unique<FunToolsPanel>();
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    }

    void cleanup()
    {
        panel.reset();
        QVERIFY2(boxes->take().isEmpty(), "a message was shown that the test did not check");
        boxes.reset();
    }

    void tabStrip()
    {
        QCOMPARE(panel->objectName(), QStringLiteral("qucef"));
        QCOMPARE(panel->count(), 4);
        const QStringList pages{QStringLiteral("爱情缘份预测"), QStringLiteral("生男生女预测"),
                                QStringLiteral("盛衰曲线"), QStringLiteral("更多敬请期待..")};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(panel->tabText(i), pages[i]);
        QCOMPARE(panel->currentIndex(), 0);
        QCOMPARE(panel->size(), twipsSize(8895, 5655, panel.get()));
    }

    // Girl and boy days typed key by key; the verdict by D = |A - B| (title and score).
    void coupleVerdict_data()
    {
        QTest::addColumn<QString>("girl");
        QTest::addColumn<QString>("boy");
        QTest::addColumn<int>("D");
        QTest::addColumn<QString>("verdict");
        const char* heads[31] = {"最佳拍档 80分", "一见钟情 85分",   "互相利用 35分", "互相猜疑 25分", "美好邂逅 70分",
                                 "主仆关系 60分", "幸运情侣 90分",   "彼此忍受 45分", "先甘后苦 55分", "似远还近 60分",
                                 "斗嘴情侣 25分", "平淡见真情 80分", "受气包 15分",   "似爱非爱 50分", "不搭调 10分",
                                 "妹妹情人 70分", "强弱组合 45分",   "分手收场 20分", "痴迷情人 30分", "上进情侣 80分",
                                 "变心难免 45分", "孽缘 15分",       "完美情人 85分", "早散早好 5分",  "说谎情人 65分",
                                 "知己朋友 15分", "欢喜冤家 55分",   "人间绝配 80分", "暴力情侣 30分", "分分合合 60分",
                                 "超尘脱俗 80分"};
        for (int D = 0; D <= 30; ++D) {
            // Even D: the girl's day is the later one; odd D: the boy's.
            const int girl = D % 2 == 0 ? 1 + D : 31 - D, boy = D % 2 == 0 ? 1 : 31;
            QTest::addRow("D %d", D) << QString::number(girl) << QString::number(boy) << D
                                     << QString::fromUtf8(heads[D]);
        }
        QTest::newRow("12 and 12") << "12"
                                   << "12" << 0 << QStringLiteral("最佳拍档 80分");
        QTest::newRow("1 and 31") << "1"
                                  << "31" << 30 << QStringLiteral("超尘脱俗 80分");
        QTest::newRow("05 and 11") << "05"
                                   << "11" << 6 << QStringLiteral("幸运情侣 90分");
        QTest::newRow("11 and 5") << "11"
                                  << "5" << 6 << QStringLiteral("幸运情侣 90分");
    }

    void coupleVerdict()
    {
        QFETCH(QString, girl);
        QFETCH(QString, boy);
        QFETCH(int, D);
        QFETCH(QString, verdict);
        typeDays(girl, boy);
        click("qingyuan");
        QCOMPARE(label("Label33")->text(), QString::number(D));
        const QString text = label("Label55")->text();
        QVERIFY2(text.startsWith(verdict + QLatin1Char(' ')) && text.endsWith(QLatin1Char('~')), qPrintable(text));
        QVERIFY(shown({"Label46", "Label55", "jxqingyuan"}, true));
        QVERIFY(shown({"Label16", "Label24", "Text10", "Text11", "qingyuan", "Label33"}, false));
    }

    // "继续测试" brings back the input view with empty boxes, and a new test runs.
    void coupleNewTest()
    {
        typeDays(QStringLiteral("5"), QStringLiteral("11"));
        click("qingyuan");
        click("jxqingyuan");
        QVERIFY(find<QLineEdit>("Text10")->text().isEmpty() && find<QLineEdit>("Text11")->text().isEmpty());
        QVERIFY(shown({"Label46", "Label55", "jxqingyuan", "Label33"}, false));
        QVERIFY(shown({"Label16", "Label24", "Text10", "Text11", "qingyuan"}, true));
        typeDays(QStringLiteral("3"), QStringLiteral("3"));
        click("qingyuan");
        QVERIFY(label("Label55")->text().startsWith(QStringLiteral("最佳拍档 80分")));
    }

    // Refusals: the message, and whether the boxes are emptied. Pasted texts bypass the key filter.
    void coupleRefusal_data()
    {
        QTest::addColumn<QString>("girl");
        QTest::addColumn<QString>("boy");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("emptied");
        const QString empty = QStringLiteral("生日不能为空！"), range = QStringLiteral("输入的范围应该是1 - 31");
        QTest::newRow("girl empty") << ""
                                    << "17" << false << empty << false;
        QTest::newRow("boy empty") << "8"
                                   << "" << false << empty << false;
        QTest::newRow("girl 0") << "0"
                                << "5" << false << range << true;
        QTest::newRow("boy 00") << "12"
                                << "00" << false << range << true;
        QTest::newRow("boy 99") << "3"
                                << "99" << false << range << true;
        QTest::newRow("pasted letters") << "ab"
                                        << "5" << true << range << true;
        QTest::newRow("pasted sign") << "-1"
                                     << "5" << true << range << true;
    }

    void coupleRefusal()
    {
        QFETCH(QString, girl);
        QFETCH(QString, boy);
        QFETCH(bool, pasted);
        QFETCH(QString, message);
        QFETCH(bool, emptied);
        auto* text10 = find<QLineEdit>("Text10");
        auto* text11 = find<QLineEdit>("Text11");
        if (pasted) {
            text10->setText(girl);
            text11->setText(boy);
        } else {
            typeDays(girl, boy);
        }
        click("qingyuan");
        QCOMPARE(boxes->take(), QStringList{message});
        QCOMPARE(text10->text(), emptied ? QString() : girl);
        QCOMPARE(text11->text(), emptied ? QString() : boy);
        QVERIFY(!text10->isHidden() && find<QWidget>("Label55")->isHidden());
    }

    // Keys typed into a box: only digits, backspace, tab and enter reach it; two characters at most.
    void coupleKeyFilter_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("backspace");
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "a1b2" << false << "12";
        QTest::newRow("sign and blank") << "- 3" << false << "3";
        QTest::newRow("chinese") << QStringLiteral("五1") << false << "1";
        QTest::newRow("length limit") << "123" << false << "12";
        QTest::newRow("backspace") << "27" << true << "2";
    }

    void coupleKeyFilter()
    {
        QFETCH(QString, keys);
        QFETCH(bool, backspace);
        QFETCH(QString, text);
        auto* box = find<QLineEdit>("Text11");
        for (QChar c : keys)
            QTest::sendKeyEvent(QTest::Click, box,
                                c.unicode() < 128 ? Qt::Key(QChar(c).toUpper().unicode()) : Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        if (backspace)
            QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), text);
    }

    // Rows: the six list texts and the four results, worked out from the chart, S = 68 - WA + CM,
    // T = floor((WA + HA + CM) / 3) and the parity table. Each prediction is pressed twice.
    void childSex_data()
    {
        QTest::addColumn<bool>("birthMode");
        QTest::addColumn<QStringList>("lists"); // CobNL1 .. CobNL4, Cobdt1, Cobdt2 ("" left unchosen)
        QTest::addColumn<QStringList>("expected");
        const QString B = QStringLiteral("王子"), G = QStringLiteral("公主");
        QTest::newRow("age 24 26 month 3")
            << false << QStringList{u"24"_s, u"26"_s, year(0), u"3"_s} << QStringList{B, B, B, B};
        QTest::newRow("age 30 31 month 6")
            << false << QStringList{u"30"_s, u"31"_s, year(0), u"6"_s} << QStringList{G, G, G, G};
        QTest::newRow("age 40 33 month 2, row 41")
            << false << QStringList{u"40"_s, u"33"_s, year(-1), u"2"_s} << QStringList{G, G, B, G};
        // Conception 2015 month 3, husband born 1988 month 1 (HA 27).
        QTest::newRow("birth, wife's birthday to come")
            << true << QStringList{u"1990"_s, u"1988"_s, u"2015"_s, u"3"_s, u"5"_s, u"1"_s}
            << QStringList{B, B, G, B}; // WA 24
        QTest::newRow("birth, wife's birthday in the month")
            << true << QStringList{u"1990"_s, u"1988"_s, u"2015"_s, u"3"_s, u"3"_s, u"1"_s}
            << QStringList{B, G, G, B}; // WA 25
        QTest::newRow("birth, wife's month unchosen")
            << true << QStringList{u"1990"_s, u"1988"_s, u"2015"_s, u"3"_s, u""_s, u"1"_s}
            << QStringList{B, G, G, B}; // WA 25
        QTest::newRow("birth, wife born in the conception year")
            << true << QStringList{u"2015"_s, u"1988"_s, u"2015"_s, u"3"_s, u"5"_s, u"1"_s}
            << QStringList{u"清宫表无此年龄"_s, G, B, B}; // WA -1
    }

    void childSex()
    {
        QFETCH(bool, birthMode);
        QFETCH(QStringList, lists);
        QFETCH(QStringList, expected);
        panel->setCurrentIndex(1);
        if (birthMode)
            click("Option29");
        QVERIFY(shown({"LjieG1", "methodCaption1"}, false) && shown({"Label71", "Label72"}, true));
        pickAll(lists);
        QVERIFY(find<QPushButton>("smsfyc")->isEnabled());
        click("smsfyc");
        QCOMPARE(results(), expected);
        click("smsfyc");
        QCOMPARE(results(), expected);
        QVERIFY(shown({"Label71", "Label72"}, false) && shown({"LjieG1", "LjieG4", "methodCaption4"}, true));
    }

    // The start button follows cobEan only on the events that re-evaluate it.
    void childSexStartButton()
    {
        panel->setCurrentIndex(1);
        auto* start = find<QPushButton>("smsfyc");
        pick(list("CobNL1"), QStringLiteral("24"));
        pick(list("CobNL2"), QStringLiteral("26"));
        pick(list("CobNL4"), QStringLiteral("3"));
        QVERIFY2(!start->isEnabled(), "the conception year is needed in age mode too");
        pick(list("CobNL3"), year(0));
        QVERIFY(start->isEnabled());

        // Typing into CobNL1 .. CobNL3 does not re-evaluate; typing into CobNL4 does. A text
        // that is no number counts as chosen and is worth 0.
        panel->setCurrentIndex(0);
        panel->setCurrentIndex(1);
        QVERIFY(!start->isEnabled());
        type(list("CobNL4"), QStringLiteral("3"));
        type(list("CobNL1"), QStringLiteral("abc"));
        type(list("CobNL2"), QStringLiteral("26"));
        type(list("CobNL3"), QStringLiteral("2015"));
        QVERIFY(!start->isEnabled());
        for (const char* name : {"CobNL1", "CobNL2", "CobNL3"}) {
            type(list(name), list(name)->currentText()); // all four chosen now
            QVERIFY2(!start->isEnabled(), name);
        }
        type(list("CobNL4"), QStringLiteral("4"));
        QVERIFY(start->isEnabled());
        click("smsfyc");
        // WA 0, nominal age 1: no chart row; S = 72, T = 10, parities even, even, even.
        const QStringList beforeOverflow = results();
        QCOMPARE(beforeOverflow, (QStringList{u"清宫表无此年龄"_s, u"公主"_s, u"公主"_s, u"公主"_s}));

        // A value beyond the 16-bit range is refused quietly: the results stay.
        type(list("CobNL1"), QStringLiteral("40000"));
        QVERIFY(start->isEnabled());
        click("smsfyc");
        QCOMPARE(results(), beforeOverflow);
    }

    // Choosing a mode or coming back to the page resets the lists and keeps the results.
    void childSexModeAndVisits()
    {
        panel->setCurrentIndex(1);
        pickAll({u"24"_s, u"26"_s, year(0), u"3"_s});
        click("smsfyc");
        const QStringList predicted = results();
        QCOMPARE(list("CobNL1")->count(), 23);
        QVERIFY(shown({"Cobdt1", "Cobdt2", "Labdt1", "Labdt4"}, false));

        click("Option29");
        QCOMPARE(label("Label61")->text(), QStringLiteral("妻子的出生年月："));
        QVERIFY(shown({"Cobdt1", "Cobdt2", "Labdt1", "Labdt4"}, true));
        QCOMPARE(results(), predicted);
        QVERIFY(shown({"LjieG1"}, true) && !find<QPushButton>("smsfyc")->isEnabled());

        pick(list("CobNL1"), QStringLiteral("1990"));
        panel->setCurrentIndex(2);
        panel->setCurrentIndex(1);
        QCOMPARE(label("Label61")->text(), QStringLiteral("妻子的出生年月："));
        QCOMPARE(label("Label60")->text(), QStringLiteral("丈夫的出生年月："));
        for (const char* name : {"CobNL1", "CobNL2", "CobNL3", "CobNL4", "Cobdt1", "Cobdt2"}) {
            QCOMPARE(list(name)->currentText(), QStringLiteral("请选择"));
            QCOMPARE(list(name)->currentIndex(), -1);
        }
        QCOMPARE(list("CobNL1")->count(), 61);
        QCOMPARE(list("CobNL1")->itemText(0), year(-60));
        QCOMPARE(list("CobNL2")->itemText(60), year(0));
        QCOMPARE(list("Cobdt2")->count(), 12);
        QCOMPARE(results(), predicted);

        click("Option30");
        QCOMPARE(label("Label61")->text(), QStringLiteral("妻子的年龄："));
        QCOMPARE(list("CobNL2")->itemText(0), QStringLiteral("18"));
        QCOMPARE(list("CobNL2")->itemText(22), QStringLiteral("40"));
    }

    // Index labels; values are 100 sin(2πd / P) with π = 3.141592653589.
    void biorhythm_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("query");
        QTest::addColumn<QStringList>("indices");
        QTest::newRow("12805 days") << QDate(1980, 1, 1) << QDate(2015, 1, 22)
                                    << QStringList{u"90.10"_s, u"18.93"_s, u"-99.77"_s};
        QTest::newRow("one day") << QDate(1999, 12, 31) << QDate(2000, 1, 1)
                                 << QStringList{u"22.25"_s, u"18.93"_s, u"26.98"_s};
        QTest::newRow("28 days") << QDate(1980, 1, 1) << QDate(1980, 1, 29)
                                 << QStringList{u"0.00"_s, u"-81.46"_s, u"97.91"_s};
    }

    void biorhythm()
    {
        QFETCH(QDate, birth);
        QFETCH(QDate, query);
        QFETCH(QStringList, indices);
        panel->setCurrentIndex(2);
        draw(birth, query);
        const QStringList expected{QStringLiteral("您的心情指数为：") + indices[0],
                                   QStringLiteral("您的智力指数为：") + indices[1],
                                   QStringLiteral("您的体质指数为：") + indices[2]};
        QCOMPARE(indexLabels(), expected);
        click("shengshuai");
        QCOMPARE(indexLabels(), expected);
        for (const char* picture : {"Picture1", "Picture2", "Picture3"})
            QVERIFY(find<BiorhythmChart>(picture)->hasDrawing());
    }

    // A query date on or before the birth date: the button and a query change tell the user,
    // a birth change is silent, and the charts stay in every case.
    void biorhythmRefusal_data()
    {
        QTest::addColumn<int>("birthAfterQuery");
        QTest::newRow("equal dates") << 0;
        QTest::newRow("birth after query") << 10;
    }

    void biorhythmRefusal()
    {
        QFETCH(int, birthAfterQuery);
        panel->setCurrentIndex(2);
        draw(QDate(1980, 1, 1), QDate(2015, 1, 22));
        const QStringList drawn = indexLabels();
        const QString fault = QStringLiteral("您的输入有误，请重试！");
        auto* birth = find<QDateEdit>("DTPicker1");
        auto* query = find<QDateEdit>("DTPicker2");

        birth->setDate(query->date().addDays(birthAfterQuery));
        QCOMPARE(boxes->take(), QStringList{});
        QCOMPARE(indexLabels(), drawn);

        click("shengshuai");
        QCOMPARE(boxes->titles, QStringList{QStringLiteral("提示")});
        QCOMPARE(boxes->take(), QStringList{fault});
        QCOMPARE(indexLabels(), drawn);

        birth->setDate(QDate(1980, 1, 1)); // draws again, the same charts
        query->setDate(QDate(1980, 1, 1).addDays(-birthAfterQuery));
        QCOMPARE(boxes->titles, QStringList{QStringLiteral(" 温馨提示")});
        QCOMPARE(boxes->take(), QStringList{fault});
        QCOMPARE(indexLabels(), drawn);
        QVERIFY(find<BiorhythmChart>("Picture2")->hasDrawing());
    }

    // Entering the page sets the query date to today without drawing anything.
    void biorhythmPageSetUp()
    {
        panel->setCurrentIndex(2);
        auto* query = find<QDateEdit>("DTPicker2");
        QCOMPARE(find<QDateEdit>("DTPicker1")->date(), QDate(1980, 1, 1));
        QVERIFY(find<QDateEdit>("DTPicker1")->calendarPopup());
        QSignalBlocker quiet(query);
        query->setDate(QDate(2000, 6, 1));
        quiet.unblock();
        panel->setCurrentIndex(3);
        panel->setCurrentIndex(2);
        QCOMPARE(query->date(), QDate::currentDate());
        QVERIFY(!find<BiorhythmChart>("Picture1")->hasDrawing());
        QVERIFY(label("Label69")->text().isEmpty());
    }

    // The emotional chart of 1980-01-01 to 2015-01-22 (d = 9) at its fixed size, with the
    // picture's own scale: x from -1.5 to 37 across, y from 2 down to -2.
    void biorhythmChartPixels()
    {
        panel->setCurrentIndex(2);
        draw(QDate(1980, 1, 1), QDate(2015, 1, 22));
        auto* chart = find<BiorhythmChart>("Picture1");
        QCOMPARE(chart->size(), twipsSize(7680, 3060, chart));
        find<QTabWidget>("SSTab2")->setCurrentIndex(2); // covered by another page, kept all the same
        const QImage image = chart->grab().toImage();
        const QRectF area = chart->contentsRect();
        auto at = [&](double x, double y) {
            return QPointF(area.left() + (x + 1.5) / 38.5 * area.width(), area.top() + (2.0 - y) / 4.0 * area.height());
        };
        const double twoPi = 2 * 3.141592653589;
        auto sine = [&](double x) { return std::sin(twoPi * x / 28); };
        const QColor darkRed(128, 0, 0), black(Qt::black), white(Qt::white);

        // The cross: its centre and the four ends of its arms, off the curve.
        const double y9 = sine(9);
        const std::pair<double, double> ends[] = {
            {0.0, 0.0}, {-0.18, 0.09}, {0.18, -0.09}, {-0.18, -0.09}, {0.18, 0.09}};
        for (auto [dx, dy] : ends)
            QVERIFY2(colourNear(image, at(9 + dx, y9 + dy), darkRed),
                     qPrintable(QStringLiteral("cross %1 %2").arg(dx).arg(dy)));
        QVERIFY(!colourNear(image, at(10, sine(10)), darkRed));
        QVERIFY(!colourNear(image, at(8, sine(8)), darkRed));

        // The curve: the crest at 7, the trough at 21, and points between.
        for (double x : {3.5, 7.0, 12.0, 21.0, 25.0})
            QVERIFY2(colourNear(image, at(x, sine(x)), black), qPrintable(QStringLiteral("curve at %1").arg(x)));
        QVERIFY(!colourNear(image, at(7, -sine(7)), black));
        QCOMPARE(image.pixelColor(at(21, 1.2).toPoint()), white);
        // The axes.
        QVERIFY(colourNear(image, at(-1.0, 0), black) && colourNear(image, at(29.0, 0), black));
        QVERIFY(!colourNear(image, at(30.5, 0), black));
        QVERIFY(colourNear(image, at(0, 1.4), black));
    }

    // Saves the three pages filled, at the panel's real size, into $XINGMING_SCREENSHOT_DIR.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("XINGMING_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("XINGMING_SCREENSHOT_DIR names no folder");
        QDir().mkpath(dir);
        typeDays(QStringLiteral("5"), QStringLiteral("11"));
        click("qingyuan");
        QVERIFY(panel->grab().save(dir + QStringLiteral("/fun-couplematch.png")));

        panel->setCurrentIndex(1);
        click("Option29");
        pickAll({u"1990"_s, u"1988"_s, u"2015"_s, u"3"_s, u"5"_s, u"1"_s});
        click("smsfyc");
        QVERIFY(panel->grab().save(dir + QStringLiteral("/fun-childsex.png")));

        panel->setCurrentIndex(2);
        draw(QDate(1980, 1, 1), QDate(2015, 1, 22));
        click("shengshuai");
        QVERIFY(panel->grab().save(dir + QStringLiteral("/fun-biorhythm.png")));
    }
};

QTEST_MAIN(FunToolsTest)
#include "funtools_test.moc"
