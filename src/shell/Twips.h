#pragma once

class QScreen;
class QWidget;

namespace lanthorn {

/// Layout constants of the program are in twips (1/1440 inch). These convert them to pixels
/// through the screen's logical DPI: at 96 DPI, 15 twips are one pixel. Without a screen,
/// 96 DPI is assumed.
int TwipsToPixels(double twips, const QScreen* screen);

/// The same on the widget's screen (the primary screen while it has none).
int TwipsToPixels(double twips, const QWidget* widget);

} // namespace lanthorn
