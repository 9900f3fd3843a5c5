#include "FakeServices.h"

#include <gtest/gtest.h>

namespace lanthorn::testing {

int FakeServices::messageBox(const MessageBoxRequest& request)
{
    messages.append(request);
    if (whileShown) {
        const RecordedMessage shown = messages.last();
        whileShown(shown);
    }
    if (script.empty())
        return request.defaultButton;
    const int answer = script.front();
    script.pop_front();
    return answer;
}

QStringList FakeServices::texts() const
{
    QStringList out;
    for (const RecordedMessage& message : messages)
        out.append(message.text);
    return out;
}

} // namespace lanthorn::testing
