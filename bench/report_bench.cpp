// From a click of "开始评分" to the report window shown and filled, with the report window
// created afresh (first run) and reused (later runs). Runs on the offscreen platform.
#include "app/pfindexform.h"
#include "app/webpane.h"
#include "app/zyindexform.h"

#include <benchmark/benchmark.h>

#include <QMouseEvent>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using xingming::app::zyIndexForm;

namespace {

zyIndexForm* g_main = nullptr;

void fillPanel(zyIndexForm& w)
{
    w.dhtbarButtonClick(2);
    w.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("欧阳"));
    w.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("玉"));
    w.findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
    w.findChild<QRadioButton*>(QStringLiteral("Option18"))->setChecked(true);
    w.findChild<QComboBox*>(QStringLiteral("pxznc"))->setEditText(QStringLiteral("1990"));
    w.findChild<QComboBox*>(QStringLiteral("pxzyc"))->setEditText(QStringLiteral("4"));
    w.findChild<QComboBox*>(QStringLiteral("pxzrc"))->setEditText(QStringLiteral("23"));
    w.findChild<QComboBox*>(QStringLiteral("pxzsc"))->setEditText(QStringLiteral("18"));
}

// A left click on the owner-drawn start button, delivered as the mouse would.
void click(QWidget* button)
{
    const QPointF at = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &release);
}

void BM_ClickToReportNewWindow(benchmark::State& state)
{
    QWidget* button = g_main->findChild<QWidget*>(QStringLiteral("pmzb"));
    for (auto _ : state) {
        click(button);
        QApplication::processEvents();
        state.PauseTiming();
        g_main->reportWindow()->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickToReportNewWindow)->Unit(benchmark::kMillisecond);

void BM_ClickToReportReused(benchmark::State& state)
{
    QWidget* button = g_main->findChild<QWidget*>(QStringLiteral("pmzb"));
    click(button);
    for (auto _ : state) {
        click(button);
        QApplication::processEvents();
    }
    g_main->reportWindow()->close();
}
BENCHMARK(BM_ClickToReportReused)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    xingming::app::WebPane::setEngineEnabled(false);
    zyIndexForm w;
    w.show();
    fillPanel(w);
    g_main = &w;
    if (!w.findChild<QWidget*>(QStringLiteral("pmzb")))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
