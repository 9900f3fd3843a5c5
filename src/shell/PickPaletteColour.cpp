#include "shell/PickPaletteColour.h"

#include "core/Palette.h"

#include <QListWidget>

namespace lanthorn {

namespace {
const char* const kTagProperty = "tag";
}

void FillColourList(QListWidget* list)
{
    list->clear();
    for (const ColourName& entry : kColourNames)
        list->addItem(QString::fromLatin1(entry.name));
}

bool PickPaletteColour(QListWidget* list, QWidget* sample, ColourRole role)
{
    const QListWidgetItem* item = list->currentItem();
    if (!item)
        return false;
    const std::optional<int> index = PaletteIndexOfName(item->text());
    if (!index)
        return false;
    SetWidgetColour(sample, role, PaletteQColor(*index));
    SetColourListValue(list, *index);
    return true;
}

QString ColourListValue(const QListWidget* list)
{
    return list->property(kTagProperty).toString();
}

void SetColourListValue(QListWidget* list, int paletteIndex)
{
    list->setProperty(kTagProperty, QString::number(paletteIndex));
}

QColor PaletteQColor(int index)
{
    const Rgb rgb = PaletteColour(index).value_or(Rgb {});
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor ColourFromValue(int colourValue)
{
    const Rgb rgb = Rgb::fromColourValue(colourValue);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

int ColourValueOf(const QColor& colour)
{
    return Rgb { std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue()) }.colourValue();
}

void SetWidgetColour(QWidget* widget, ColourRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    if (role == ColourRole::Text) {
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        palette.setColor(QPalette::ButtonText, colour);
    } else {
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Button, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace lanthorn
