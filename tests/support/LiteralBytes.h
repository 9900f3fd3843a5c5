#pragma once

#include <QByteArray>
#include <cstddef>

namespace lanthorn::testing {

/// The bytes of a string literal, NUL bytes included (without the terminating NUL).
template <std::size_t N> QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, qsizetype(N - 1));
}

} // namespace lanthorn::testing
