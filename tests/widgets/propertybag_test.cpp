// The property bag: keys without regard to case, and the text form that window definitions
// are kept in.
#include "widgets/propertybag.h"

#include <QColor>
#include <QImage>
#include <QTest>

using xingming::widgets::PropertyBag;

class PropertyBagTest : public QObject {
    Q_OBJECT
private slots:
    void keysIgnoreCase();
    void textRoundTrip_data();
    void textRoundTrip();
    void pictureRoundTrip();
    void textFormTolerance();
    void parseFaults_data();
    void parseFaults();
};

void PropertyBagTest::keysIgnoreCase()
{
    PropertyBag bag;
    bag.write(QStringLiteral("USeCustomColors"), true);
    QVERIFY(bag.contains(QStringLiteral("usecustomcolors")));
    QCOMPARE(bag.read(QStringLiteral("USECUSTOMCOLORS")), QVariant(true));
    bag.write(QStringLiteral("useCustomColors"), false);
    QCOMPARE(bag.size(), 1);
    QCOMPARE(bag.keys(), QStringList{QStringLiteral("USeCustomColors")}); // first spelling kept
    QCOMPARE(bag.read(QStringLiteral("USeCustomColors")), QVariant(false));
    QCOMPARE(bag.read(QStringLiteral("Missing"), 7), QVariant(7));
    QVERIFY(bag.remove(QStringLiteral("USECUSTOMCOLORS")));
    QVERIFY(bag.isEmpty());
}

void PropertyBagTest::textRoundTrip_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("text with quotes, backslash and breaks") << QVariant(QStringLiteral("a \"b\"\n\\c\td\r"));
    QTest::newRow("empty text") << QVariant(QString());
    QTest::newRow("text with blanks around") << QVariant(QStringLiteral("  两边有空格  "));
    QTest::newRow("text that looks like a number") << QVariant(QStringLiteral("42"));
    QTest::newRow("text that looks like a colour") << QVariant(QStringLiteral("#ff0000"));
    QTest::newRow("Chinese caption") << QVariant(QStringLiteral("开始评分"));
    QTest::newRow("zero") << QVariant(0);
    QTest::newRow("negative") << QVariant(-15);
    QTest::newRow("largest 32-bit") << QVariant(2147483647);
    QTest::newRow("true") << QVariant(true);
    QTest::newRow("false") << QVariant(false);
    QTest::newRow("black, the zero colour") << QVariant(QColor(0, 0, 0));
    QTest::newRow("colour") << QVariant(QColor(18, 52, 86));
    QTest::newRow("nothing") << QVariant();
}

void PropertyBagTest::textRoundTrip()
{
    QFETCH(QVariant, value);
    PropertyBag bag;
    bag.write(QStringLiteral("Key"), value);
    QString error;
    const auto back = PropertyBag::fromText(bag.toText(), &error);
    QVERIFY2(back, qPrintable(error));
    QCOMPARE(back->size(), 1);
    const QVariant got = back->read(QStringLiteral("key"), QStringLiteral("missing"));
    QCOMPARE(got.typeId(), value.typeId());
    QCOMPARE(got, value);
}

void PropertyBagTest::pictureRoundTrip()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(2, 1, qRgba(0, 128, 255, 255));
    PropertyBag bag;
    bag.write(QStringLiteral("Icon"), image);
    const auto back = PropertyBag::fromText(bag.toText());
    QVERIFY(back);
    const QImage got = back->read(QStringLiteral("Icon")).value<QImage>().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(got.size(), image.size());
    QCOMPARE(got.pixel(0, 0), image.pixel(0, 0));
    QCOMPARE(got.pixel(2, 1), image.pixel(2, 1));
    QCOMPARE(qAlpha(got.pixel(1, 0)), 0);
}

void PropertyBagTest::textFormTolerance()
{
    // A byte-order mark, CRLF lines, comments, blank lines and blanks around '='.
    const QString text = QStringLiteral("\xFEFF# a button\r\n\r\n  Style=8\r\nCaption   =   \"开始\"  \r\n");
    const auto bag = PropertyBag::fromText(text);
    QVERIFY(bag);
    QCOMPARE(bag->keys(), (QStringList{QStringLiteral("Style"), QStringLiteral("Caption")}));
    QCOMPARE(bag->read(QStringLiteral("style")), QVariant(8));
    QCOMPARE(bag->read(QStringLiteral("caption")), QVariant(QStringLiteral("开始")));
}

void PropertyBagTest::parseFaults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("no equals sign") << QStringLiteral("Style 8") << QStringLiteral("line 1: expected '=' after Style");
    QTest::newRow("no key") << QStringLiteral("= 3") << QStringLiteral("line 1: a key must start with a letter");
    QTest::newRow("no value") << QStringLiteral("Style =") << QStringLiteral("line 1: missing value");
    QTest::newRow("unterminated text") << QStringLiteral("Style = 1\nCaption = \"abc")
                                       << QStringLiteral("line 2: unterminated text");
    QTest::newRow("escaped closing quote only")
        << QStringLiteral("Caption = \"abc\\\"") << QStringLiteral("line 1: unterminated text");
    QTest::newRow("text after the quote")
        << QStringLiteral("Caption = \"a\" b") << QStringLiteral("line 1: characters after the closing quote");
    QTest::newRow("unknown escape") << QStringLiteral("Caption = \"\\q\"")
                                    << QStringLiteral("line 1: unknown escape \\q");
    QTest::newRow("short colour") << QStringLiteral("BackColor = #12345")
                                  << QStringLiteral("line 1: bad colour #12345");
    QTest::newRow("number too big") << QStringLiteral("\n\nIconSize = 99999999999")
                                    << QStringLiteral("line 3: bad value 99999999999");
    QTest::newRow("word") << QStringLiteral("Value = yes") << QStringLiteral("line 1: bad value yes");
    QTest::newRow("duplicate key in another case")
        << QStringLiteral("Style = 1\nstyle = 2") << QStringLiteral("line 2: duplicate key style");
    QTest::newRow("broken picture") << QStringLiteral("Icon = png:@@@@") << QStringLiteral("line 1: bad picture data");
}

void PropertyBagTest::parseFaults()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    QString got = QStringLiteral("not set");
    QVERIFY(!PropertyBag::fromText(text, &got));
    QCOMPARE(got, error);
}

int runPropertyBagTests(int argc, char** argv)
{
    PropertyBagTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "propertybag_test.moc"
