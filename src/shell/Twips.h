#pragma once

class QWidget;

namespace lanthorn {

/// Lengths in the settings and the layout are twips (1/1440 inch). They are converted through
/// the logical DPI of the widget's screen (the primary screen when there is no widget): at
/// 96 DPI, 15 twips are one pixel.
int TwipsToPixels(double twips, const QWidget* reference = nullptr);
double PixelsToTwips(int pixels, const QWidget* reference = nullptr);

} // namespace lanthorn
