#include "incoming/ReceiveBuffer.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace lanthorn;

namespace {

TEST(ReceiveBuffer, KeepsTheNewestTextFromALineStartWithinTheLimit)
{
    QByteArray buffer;
    const QByteArray body(997, 'x');
    qsizetype largest = 0;
    for (int i = 0; i < 12000; ++i) {
        AppendToReceiveBuffer(buffer, "\r\n", body + QByteArray::number(i % 1000).rightJustified(3, '0'));
        largest = qMax(largest, buffer.size());
    }
    EXPECT_LE(largest, kReceiveBufferLimit);
    EXPECT_GE(buffer.size(), kReceiveBufferLimit - kReceiveBufferSlack - 1002);
    EXPECT_TRUE(buffer.endsWith(body + "999"));
    // It starts with a whole line.
    EXPECT_TRUE(buffer.startsWith(body)) << buffer.left(20).constData();
    EXPECT_EQ(buffer.indexOf("\r\n"), 1000);
}

TEST(ReceiveBuffer, TextWithoutLineEndsIsCutAtTheLimit)
{
    QByteArray buffer;
    const QByteArray chunk(1024 * 1024, 'y');
    for (int i = 0; i < 9; ++i)
        AppendToReceiveBuffer(buffer, {}, chunk);
    AppendToReceiveBuffer(buffer, {}, "end");
    EXPECT_LE(buffer.size(), kReceiveBufferLimit);
    EXPECT_TRUE(buffer.endsWith("yend"));
}

} // namespace
