// Feeds arbitrary bytes to the telnet filter whole and cut in three at fuzzer-chosen points:
// nothing may crash, and every way of feeding must give the same text, replies and
// subnegotiation. The text, escaped and filtered again, must come back unchanged.
#include "platform/TelnetFilter.h"

#include <cstdint>
#include <cstdlib>

using lanthorn::TelnetFilter;

namespace {

struct Result {
    QByteArray text;
    QByteArray replies;
    QByteArray subnegotiation;
    bool operator==(const Result&) const = default;
};

Result filterInPieces(QByteArrayView input, qsizetype firstCut, qsizetype secondCut)
{
    TelnetFilter filter;
    Result result;
    for (const auto [from, to] : { std::pair { qsizetype(0), firstCut }, std::pair { firstCut, secondCut },
             std::pair { secondCut, input.size() } }) {
        result.text += filter.feed(input.sliced(from, to - from));
        result.replies += filter.takeReplies();
    }
    result.subnegotiation = filter.lastSubnegotiation();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first four bytes choose the cuts; the rest is what the world sent.
    if (size < 4)
        return 0;
    const QByteArrayView input(reinterpret_cast<const char*>(data) + 4, qsizetype(size - 4));
    const qsizetype firstCut = (data[0] | data[1] << 8) % (input.size() + 1);
    const qsizetype secondCut = firstCut + (data[2] | data[3] << 8) % (input.size() - firstCut + 1);

    const Result whole = filterInPieces(input, 0, 0);
    if (whole.text.size() > input.size())
        std::abort();
    if (whole.subnegotiation.size() > TelnetFilter::kMaxSubnegotiation)
        std::abort();
    if (!(filterInPieces(input, firstCut, secondCut) == whole))
        std::abort();

    TelnetFilter again;
    if (again.feed(TelnetFilter::escape(whole.text)) != whole.text || again.hasReplies())
        std::abort();
    return 0;
}
