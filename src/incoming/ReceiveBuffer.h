#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lanthorn {

/// A world's receive buffer never holds more than this much text.
inline constexpr qsizetype kReceiveBufferLimit = 8 * 1024 * 1024;
/// When it would, its oldest text goes, this much more than needed, so that trimming is rare.
inline constexpr qsizetype kReceiveBufferSlack = 1024 * 1024;

/// Appends to a receive buffer and trims its oldest text at a line start when it grows
/// beyond the limit.
void AppendToReceiveBuffer(QByteArray& buffer, QByteArrayView lineEnd, QByteArrayView text);

} // namespace lanthorn
