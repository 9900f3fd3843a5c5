#include "incoming/ChatRouting.h"

#include "incoming/WildcardPattern.h"

namespace lanthorn {

DisplayTarget RouteMushLine(const QByteArray& plain, const WorldState& world)
{
    if (!world.SplitScreen)
        return DisplayTarget::Term;

    if (plain.contains('>')) {
        static const WildcardPattern twoChannels("<*> * <*> *");
        static const WildcardPattern puppet("*> *");
        static const WildcardPattern channel("<*> *");
        static const WildcardPattern arrow("*=> *");
        if (twoChannels.matches(plain))
            return DisplayTarget::Term;
        if (world.PuppetsToChat && puppet.matches(plain))
            return DisplayTarget::Chat;
        if (channel.matches(plain) || arrow.matches(plain))
            return DisplayTarget::Chat;
        return DisplayTarget::Term;
    }

    static const WildcardPattern bracketed("[[]*[]]*");
    if (bracketed.matches(plain))
        return DisplayTarget::Chat;
    if (world.PagesToChat
        && (plain.contains("page") || plain.contains("From afar") || plain.contains("Long distance to")))
        return DisplayTarget::Chat;
    return DisplayTarget::Term;
}

} // namespace lanthorn
