#include "app/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace xingming::app {

namespace {

double logicalDpi(const QWidget* w)
{
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

int twipsToPixels(int twips, const QWidget* w)
{
    return static_cast<int>(std::lround(twips * logicalDpi(w) / 1440.0));
}

QRect twipsRect(int left, int top, int width, int height, const QWidget* w)
{
    return {twipsToPixels(left, w), twipsToPixels(top, w), twipsToPixels(width, w), twipsToPixels(height, w)};
}

QSize twipsSize(int width, int height, const QWidget* w)
{
    return {twipsToPixels(width, w), twipsToPixels(height, w)};
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + area.width() / 2 - size.width() / 2, area.top() + area.height() / 2 - size.height() / 2);
}

} // namespace xingming::app
