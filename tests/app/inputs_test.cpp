// The field rules on their own: what a name box and a date list keep after an edit that
// reached them by any route (typed, pasted, dropped), and the refusal that follows, here
// driven through QLineEdit's own paste.
#include "app/inputs.h"
#include "recordingboxes.h"

#include <QApplication>
#include <QTest>

using namespace xingming::app;

class InputsTest : public QObject {
    Q_OBJECT

    // One edit: the text before and after it, what the field keeps, whether it refuses.
    static void editColumns()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("refused");
    }

    // Runs a field rule on the current row.
    template <typename Rule> static void checkRule(Rule rule)
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, kept);
        QFETCH(bool, refused);
        int cursor = 0;
        bool wasRefused = false;
        QCOMPARE(rule(TextEdit::between(before, after), &cursor, &wasRefused), kept);
        QCOMPARE(wasRefused, refused);
        QVERIFY(cursor >= 0 && cursor <= kept.size());
    }

private slots:
    void nameBoxRule_data()
    {
        editColumns();
        QTest::newRow("typed character") << "李"
                                         << "李明"
                                         << "李明" << false;
        QTest::newRow("pasted latin text") << ""
                                           << "He"
                                           << "" << true;
        QTest::newRow("pasted mixed text") << "李"
                                           << "李a明"
                                           << "李" << true;
        QTest::newRow("pasted digits") << ""
                                       << "123"
                                       << "" << true;
        QTest::newRow("long name cut") << ""
                                       << "欧阳玉洁"
                                       << "欧阳" << false;
        QTest::newRow("third at the front") << "李明"
                                            << "玉李明"
                                            << "李明" << false;
        QTest::newRow("third at the end") << "李明"
                                          << "李明玉"
                                          << "李明" << false;
        QTest::newRow("replaced selection") << "李明"
                                            << "李玉"
                                            << "李玉" << false;
        QTest::newRow("deleted") << "李明"
                                 << "李"
                                 << "李" << false;
        QTest::newRow("astral characters count once") << "𠀀"
                                                      << "𠀀𠀁"
                                                      << "𠀀𠀁" << false;
        QTest::newRow("astral third refused") << "𠀀𠀁"
                                              << "𠀀𠀂𠀁"
                                              << "𠀀𠀁" << false;
        QTest::newRow("astral pair not split") << "𠀀"
                                               << "𠀁𠀀"
                                               << "𠀁𠀀" << false;
    }

    void nameBoxRule() { checkRule(&NameEdit::afterEdit); }

    void dateListRule_data()
    {
        editColumns();
        QTest::newRow("digit") << "19"
                               << "199"
                               << "199" << false;
        QTest::newRow("letter") << "1990"
                                << "1990k"
                                << "1990" << true;
        QTest::newRow("pasted words") << ""
                                      << "Hello World 123"
                                      << "" << true;
        QTest::newRow("pasted number") << ""
                                       << "2000"
                                       << "2000" << false;
        QTest::newRow("full-width digit") << ""
                                          << "１"
                                          << "" << true;
        QTest::newRow("sign") << "5"
                              << "-5"
                              << "5" << true;
        QTest::newRow("deleted") << "18"
                                 << "1"
                                 << "1" << false;
    }

    void dateListRule() { checkRule(&DateCombo::afterEdit); }

    // insert() is the road a paste, a drop and an input method's text take into the box.
    void insertedTextIsRefusedWithTheMessage()
    {
        RecordingBoxes boxes;
        NameEdit box(QStringLiteral("姓只能输入中文"));
        box.setText(QStringLiteral("李"));
        box.insert(QStringLiteral("Hello World 123"));
        QCOMPARE(box.text(), QStringLiteral("李"));
        QTRY_COMPARE(boxes.tips, QStringList{QStringLiteral("姓只能输入中文")});
        box.insert(QStringLiteral("明玉"));
        QCOMPARE(box.text(), QStringLiteral("李明"));

        DateCombo list(QStringLiteral("年份只能输入数字！"));
        list.fill(1930, 2030);
        list.lineEdit()->insert(QStringLiteral("19a0"));
        QCOMPARE(list.currentText(), QString());
        QTRY_COMPARE(boxes.warnings, QStringList{QStringLiteral("年份只能输入数字！")});
        list.lineEdit()->insert(QStringLiteral("1990"));
        QCOMPARE(list.currentText(), QStringLiteral("1990"));
    }
};

QTEST_MAIN(InputsTest)
#include "inputs_test.moc"
