// Renders the windows in their states; with XINGMING_SCREENSHOT_DIR set the pictures are
// saved there (docs/screenshots is made this way), otherwise they are only checked to
// have been drawn at their designed size.
#include "app/fonts.h"
#include "app/pfindexform.h"
#include "app/twips.h"
#include "app/webpane.h"
#include "app/zyindexform.h"

#include "panels.h"
#include "recordingboxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
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
        auto* systa = w.findChild<QTabWidget*>(QStringLiteral("systa"));
        systa->setCurrentIndex(0);
        save(&w, "main-naming-mode");
        systa->setCurrentIndex(3);
        fillWorkedExample(w);
        save(&w, "main-nametest");
        w.dhtbarButtonClick(3);
        save(&w, "main-funtools");

        w.dhtbarButtonClick(2);
        w.pmzbClick();
        pfIndexForm* report = w.reportWindow();
        QVERIFY(report);
        save(report, "report-liming");

        setField(w, "Text1", QStringLiteral("欧阳"));
        setField(w, "Text2", QStringLiteral("玉"));
        choose(w, "Option2");
        w.pmzbClick();
        save(report, "report-ouyangyu");
        report->close();
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"
