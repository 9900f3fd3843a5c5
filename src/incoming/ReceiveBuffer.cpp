#include "incoming/ReceiveBuffer.h"

#include "incoming/ByteAppender.h"

namespace lanthorn {

void AppendToReceiveBuffer(QByteArray& buffer, QByteArrayView lineEnd, QByteArrayView text)
{
    ByteAppender(buffer, lineEnd.size() + text.size()).append(lineEnd).append(text);
    if (buffer.size() <= kReceiveBufferLimit)
        return;

    // Keep at most limit - slack bytes, starting after a line feed; when no line starts in
    // that stretch, its bytes are kept as they are.
    const qsizetype keep = kReceiveBufferLimit - kReceiveBufferSlack;
    const qsizetype earliest = buffer.size() - keep;
    const qsizetype lineFeed = buffer.indexOf('\n', earliest - 1);
    buffer.remove(0, lineFeed >= 0 ? lineFeed + 1 : earliest);
}

} // namespace lanthorn
