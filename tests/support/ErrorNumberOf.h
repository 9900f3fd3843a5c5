#pragma once

#include "core/LanthornError.h"

#include <functional>

namespace lanthorn::testing {

/// The number of the LanthornError the action raises; 0 when it raises none.
inline int ErrorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const LanthornError& error) {
        return error.number();
    }
    return 0;
}

} // namespace lanthorn::testing
