#pragma once

#include <QColor>

class QListWidget;
class QWidget;

namespace lanthorn {

enum class ColourRole { Text, Background };

/// Fills a colour list with the colour names every colour list offers, in their order.
void FillColourList(QListWidget* list);

/// The click handler of every colour list: the selected name's palette colour becomes the
/// sample's text or background colour, and its palette index is recorded as the list's value
/// (its "tag" property, decimal text). A name that is not a colour name changes nothing.
/// Returns whether a colour was picked.
bool PickPaletteColour(QListWidget* list, QWidget* sample, ColourRole role);

/// The value a colour list records (its "tag" property), as set by PickPaletteColour or by the
/// window that shows a stored colour.
QString ColourListValue(const QListWidget* list);
void SetColourListValue(QListWidget* list, int paletteIndex);

/// A palette index as a QColor (black for indexes outside the palette).
QColor PaletteQColor(int index);

/// A settings colour value (0x00BBGGRR) as a QColor, and back.
QColor ColourFromValue(int colourValue);
int ColourValueOf(const QColor& colour);

/// Sets a widget's text or background colour through its palette (and auto-fill background).
void SetWidgetColour(QWidget* widget, ColourRole role, const QColor& colour);

} // namespace lanthorn
