#include "MushCorpus.h"

#include <QFile>
#include <array>
#include <random>
#include <string_view>

namespace lanthorn::bench {

namespace {

constexpr std::array kNames { "Alice", "Bob", "Carol", "Dave", "Eve", "Frank", "Grace", "Heidi", "Ivan", "Judy",
    "Mallory", "Niaj", "Olivia", "Peggy", "Rupert", "Sybil", "Trent", "Victor", "Walter", "Wendy" };

constexpr std::array kWords { "the", "a", "and", "but", "or", "so", "then", "while", "as", "if", "when", "where", "of",
    "to", "in", "on", "at", "by", "with", "from", "into", "over", "under", "through", "after", "before", "around", "I",
    "you", "he", "she", "it", "we", "they", "me", "him", "her", "them", "my", "your", "this", "that", "here", "there",
    "now", "just", "only", "still", "even", "again", "very", "quite", "is", "was", "are", "were", "have", "has", "had",
    "will", "would", "can", "could", "say", "said", "tell", "told", "know", "think", "look", "see", "hear", "feel",
    "want", "need", "take", "give", "make", "go", "come", "leave", "find", "keep", "turn", "smile", "grin", "nod",
    "laugh", "sigh", "wave", "glance", "lean", "step", "reach", "pause", "door", "window", "table", "chair", "bar",
    "tavern", "street", "market", "harbor", "ship", "deck", "rope", "lantern", "candle", "fire", "stone", "wall",
    "tower", "gate", "bridge", "river", "forest", "road", "sword", "shield", "cloak", "boots", "ring", "letter", "map",
    "book", "coin", "cup", "mug", "wine", "ale", "bread", "night", "day", "morning", "evening", "rain", "wind", "storm",
    "fog", "light", "shadow", "dark", "quiet", "loud", "soft", "warm", "cold", "old", "new", "small", "large", "red",
    "green", "blue", "black", "white", "friend", "stranger", "guard", "captain", "merchant", "sailor", "time", "story",
    "news", "question", "answer", "slowly", "quickly", "softly", "perhaps", "yes", "no", "well", "indeed", "strange",
    "north", "south", "east", "west" };

constexpr std::array kPoses { "smiles", "grins", "nods slowly", "laughs softly", "sighs", "shrugs", "waves",
    "glances around the room", "leans against the bar", "steps closer", "pauses for a moment", "frowns" };

constexpr std::array kChannels { "Public", "OOC", "Newbie", "Guest", "Code", "Help", "Chatter", "RP" };

constexpr std::array kColours { "1;31m", "1;32m", "1;33m", "1;34m", "32m", "33m", "36m", "1m", "38;5;208m",
    "38;5;75m" };

class Generator {
public:
    Generator(unsigned seed, double colourShare, double longShare)
        : m_random(seed)
        , m_colourShare(colourShare)
        , m_longShare(longShare)
    {
    }

    QByteArray line()
    {
        const int body = chance(m_longShare) ? 145 + below(226) : 40 + below(70);
        QByteArray text;
        const QByteArray name = pick(kNames);
        switch (below(7)) {
        case 0:
        case 1:
            text = name + " says, \"" + sentence(body - 15) + '"';
            break;
        case 2:
            text = name + ' ' + pick(kPoses) + ". " + sentence(body - 20);
            break;
        case 3:
            text = name + " pages: " + sentence(body);
            break;
        case 4:
            text = '<' + QByteArray(pick(kChannels)) + "> " + name + " says, \"" + sentence(body - 10) + '"';
            break;
        case 5:
            text = name + (chance(0.5) ? " has connected." : " has left.");
            break;
        default:
            text = sentence(body);
            break;
        }
        if (chance(0.02))
            text.replace(text.indexOf(' '), 1, "\t");
        if (chance(m_colourShare))
            colour(text);
        return text + '\r';
    }

private:
    int below(int n) { return int(m_random() % unsigned(n)); }
    bool chance(double share) { return double(m_random() % 1000000) < share * 1000000.0; }
    template <typename List> QByteArray pick(const List& list)
    {
        return QByteArray(list[std::size_t(below(int(list.size())))]);
    }

    QByteArray sentence(int length)
    {
        QByteArray text;
        while (text.size() < length || text.isEmpty()) {
            if (!text.isEmpty())
                text += ' ';
            text += pick(kWords);
            if (chance(0.06))
                text += '.';
        }
        return text + '.';
    }

    void colour(QByteArray& text)
    {
        const QByteArray open = "\x1b[" + pick(kColours);
        const qsizetype blank = text.indexOf(' ');
        if (chance(0.5) && blank > 0) {
            text = open + text.left(blank) + "\x1b[0m" + text.mid(blank);
        } else {
            text = open + text + "\x1b[0m";
        }
    }

    std::mt19937 m_random;
    double m_colourShare;
    double m_longShare;
};

} // namespace

QList<QByteArray> MakeMushCorpus(int lines, unsigned seed, double colourShare, double longShare)
{
    Generator generator(seed, colourShare, longShare);
    QList<QByteArray> corpus;
    corpus.reserve(lines);
    for (int i = 0; i < lines; ++i)
        corpus.append(generator.line());
    return corpus;
}

QList<QByteArray> ReadCorpusFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> corpus;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            corpus.append(line + '\r');
    }
    return corpus;
}

} // namespace lanthorn::bench
