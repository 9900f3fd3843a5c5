#include "shell/HelpTopics.h"

#include <array>
#include <utility>

namespace lanthorn {

namespace {

constexpr std::array<std::pair<int, const char*>, 5> kTopics { {
    { 110, "quote.html#quote-window" },
    { 130, "logging.html#omissions" },
    { 250, "macros.html#function-keys" },
    { 260, "preferences.html#screen-settings" },
    { 270, "worlds.html#notify" },
} };

} // namespace

QString HelpTopicTarget(int topicNumber)
{
    for (const auto& [number, target] : kTopics)
        if (number == topicNumber)
            return QString::fromLatin1(target);
    return {};
}

QList<int> HelpTopicNumbers()
{
    QList<int> numbers;
    for (const auto& topic : kTopics)
        numbers.append(topic.first);
    return numbers;
}

} // namespace lanthorn
