#include "shell/FontChoices.h"

namespace lanthorn {

QFont QFontOf(const FontChoice& choice)
{
    QFont font(choice.name.trimmed());
    const QString family = choice.name.trimmed().toCaseFolded();
    if (family.startsWith(QStringLiteral("courier")) || family == QStringLiteral("terminal")
        || family == QStringLiteral("fixedsys")) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    if (choice.size > 0)
        font.setPointSizeF(choice.size);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    return font;
}

FontChoice FontChoiceOf(const QFont& font)
{
    return { font.family(), font.pointSizeF() > 0 ? font.pointSizeF() : double(font.pixelSize()), font.bold(),
        font.italic() };
}

} // namespace lanthorn
