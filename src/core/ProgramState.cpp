#include "core/ProgramState.h"

#include "core/LanthornError.h"

namespace lanthorn {

namespace {
[[noreturn]] void subscriptOutOfRange()
{
    throw LanthornError(ErrorNumber::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}
} // namespace

ProgramState::ProgramState()
    : WorldStates(1)
{
}

int ProgramState::FindFreeWorldSlot()
{
    for (int i = 0; i < WorldStates.size(); ++i) {
        if (!WorldStates[i].InUse)
            return i;
    }
    WorldStates.append(WorldState {});
    return static_cast<int>(WorldStates.size() - 1);
}

WorldState& ProgramState::world(int slot)
{
    if (slot < 0 || slot >= WorldStates.size())
        subscriptOutOfRange();
    return WorldStates[slot];
}

const WorldState& ProgramState::world(int slot) const
{
    if (slot < 0 || slot >= WorldStates.size())
        subscriptOutOfRange();
    return WorldStates[slot];
}

const SiteRecord& ProgramState::site(int index) const
{
    if (index < 0 || index >= Sites.size())
        subscriptOutOfRange();
    return Sites[index];
}

const SiteRecord& ProgramState::siteOf(int slot) const
{
    return site(world(slot).SiteIndex);
}

const SiteRecord* ProgramState::findSiteOf(int slot) const
{
    if (slot < 0 || slot >= WorldStates.size())
        return nullptr;
    const int index = WorldStates[slot].SiteIndex;
    return index >= 0 && index < Sites.size() ? &Sites[index] : nullptr;
}

} // namespace lanthorn
