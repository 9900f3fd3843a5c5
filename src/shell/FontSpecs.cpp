#include "shell/FontSpecs.h"

namespace lanthorn {

QFont QFontOf(const FontSpec& spec)
{
    QFont font(spec.name.trimmed());
    const QString family = spec.name.trimmed().toCaseFolded();
    if (family.startsWith(QStringLiteral("courier")) || family == QStringLiteral("terminal")
        || family == QStringLiteral("fixedsys")) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    if (spec.size > 0)
        font.setPointSizeF(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

FontSpec FontSpecOf(const QFont& font)
{
    return { font.family(), font.pointSizeF() > 0 ? font.pointSizeF() : double(font.pixelSize()), font.bold(),
        font.italic() };
}

} // namespace lanthorn
