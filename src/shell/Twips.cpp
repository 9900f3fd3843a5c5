#include "shell/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace lanthorn {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kFallbackDpi = 96;
} // namespace

int TwipsToPixels(double twips, const QScreen* screen)
{
    const double dpi = screen ? screen->logicalDotsPerInch() : kFallbackDpi;
    return int(std::lround(twips * dpi / kTwipsPerInch));
}

int TwipsToPixels(double twips, const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : nullptr;
    return TwipsToPixels(twips, screen ? screen : QGuiApplication::primaryScreen());
}

} // namespace lanthorn
