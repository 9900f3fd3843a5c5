#pragma once

#include "core/CoreServices.h"

namespace lanthorn::bench {

/// Core services for benchmarks without windows: every box answers with its default button and
/// the beep is silent.
class QuietCoreServices : public CoreServices {
public:
    int messageBox(const MessageBoxRequest& request) override { return request.defaultButton; }
    void beep() override { }
};

} // namespace lanthorn::bench
