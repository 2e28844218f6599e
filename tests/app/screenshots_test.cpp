// Renders the windows in their states; with XINGMING_SCREENSHOT_DIR set the pictures are
// saved there (docs/screenshots is made this way), otherwise they are only checked to
// have been drawn at their designed size.
#include "app/fonts.h"
#include "app/pfindexform.h"
#include "app/twips.h"
#include "app/webpane.h"
#include "app/zyindexform.h"

#include "recordingboxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

using namespace xingming::app;

class ScreenshotsTest : public QObject {
    Q_OBJECT

    static void save(QWidget* w, const char* name)
    {
        QApplication::processEvents();
        const QPixmap shot = w->grab();
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.size(), w->size());
        const QString dir = qEnvironmentVariable("XINGMING_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(shot.save(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png")));
    }

    static void fill(zyIndexForm& w, const char* name, const QString& text)
    {
        if (auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(name)))
            e->setText(text);
        else
            w.findChild<QComboBox*>(QString::fromLatin1(name))->setEditText(text);
    }

private slots:
    void initTestCase()
    {
        installSongFont();
        WebPane::setEngineEnabled(false);
    }

    void mainWindowStates()
    {
        RecordingBoxes boxes;
        zyIndexForm w;
        w.show();
        QCOMPARE(w.size(), twipsSize(9150, 6960, &w));
        save(&w, "main-naming");
        w.dhtbarButtonClick(2);
        fill(w, "Text1", QStringLiteral("李"));
        fill(w, "Text2", QStringLiteral("明"));
        w.findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
        w.findChild<QRadioButton*>(QStringLiteral("Option13"))->setChecked(true);
        fill(w, "pxznc", QStringLiteral("1990"));
        fill(w, "pxzyc", QStringLiteral("5"));
        fill(w, "pxzrc", QStringLiteral("17"));
        fill(w, "pxzsc", QStringLiteral("18"));
        save(&w, "main-nametest");
        w.dhtbarButtonClick(3);
        save(&w, "main-funtools");

        w.dhtbarButtonClick(2);
        w.pmzbClick();
        pfIndexForm* report = w.reportWindow();
        QVERIFY(report);
        save(report, "report-liming");

        fill(w, "Text1", QStringLiteral("欧阳"));
        fill(w, "Text2", QStringLiteral("玉"));
        w.findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
        w.pmzbClick();
        save(report, "report-ouyangyu");
        report->close();
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"
