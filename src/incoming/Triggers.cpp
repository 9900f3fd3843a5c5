#include "incoming/Triggers.h"

#include "core/GetWord.h"
#include "core/Program.h"
#include "incoming/FilterMatchers.h"
#include "incoming/IncomingWorldWindow.h"

namespace lanthorn {

QByteArray TriggerReaction(const TriggerEntry& trigger, const QByteArray& text)
{
    if (trigger.StackWord == 0)
        return trigger.Reaction;
    QByteArray word = GetWord(text, trigger.StackWord);
    word.removeIf([](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    QByteArray reaction = trigger.Reaction;
    // Only the placeholders of the stored reaction are replaced, not a "|" the word brings.
    return reaction.replace('|', word);
}

void RunTriggers(Program& program, FilterMatchers& filters, const QByteArray& text, IncomingWorldWindow& window)
{
    const std::optional<TriggerEntry> trigger = filters.FindTrigger(text);
    if (!trigger)
        return;
    try {
        window.send(TriggerReaction(*trigger, text) + "\r\n");
    } catch (const LanthornError& error) {
        program.ShowMessage(
            kTriggerErrorMessage + QString::number(error.number()) + error.description(), MessageKind::Warning);
    }
}

} // namespace lanthorn
