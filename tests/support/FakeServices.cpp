#include "FakeServices.h"

#include <gtest/gtest.h>

namespace lanthorn::testing {

int FakeServices::messageBox(const MessageBoxRequest& request)
{
    messages.append({ request.text, request.title, request.icon, request.buttons, request.defaultButton });
    if (whileShown) {
        const RecordedMessage shown = messages.last();
        whileShown(shown);
    }
    if (script.empty()) {
        if (strict)
            ADD_FAILURE() << "unexpected message box: " << request.text.toStdString();
        return request.defaultButton;
    }
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
