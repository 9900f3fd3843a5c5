#include "shell/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace lanthorn {

namespace {
double logicalDpi(const QWidget* reference)
{
    const QScreen* screen = reference ? reference->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

int TwipsToPixels(double twips, const QWidget* reference)
{
    return static_cast<int>(std::lround(twips * logicalDpi(reference) / 1440.0));
}

double PixelsToTwips(int pixels, const QWidget* reference)
{
    return pixels * 1440.0 / logicalDpi(reference);
}

} // namespace lanthorn
