#pragma once

#include "core/CoreServices.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>

namespace lanthorn::testing {

/// One message box the program asked for.
using RecordedMessage = MessageBoxRequest;

/// Scripted core services: every message box is recorded and answered from the script (the
/// default button when the script is empty). Beeps are counted.
class FakeServices : public CoreServices {
public:
    int messageBox(const MessageBoxRequest& request) override;
    void beep() override { ++beeps; }

    /// Queue answers (MessageAnswer::Yes, ::No, ::Ok) for the next boxes.
    void answer(std::initializer_list<int> answers) { script.insert(script.end(), answers); }

    /// Texts of the recorded boxes, in order.
    QStringList texts() const;

    QList<RecordedMessage> messages;
    std::deque<int> script;
    /// Runs while a box is shown, before it is answered: what other events the program
    /// handles while it waits for the user.
    std::function<void(const RecordedMessage&)> whileShown;
    int beeps = 0;
};

} // namespace lanthorn::testing
