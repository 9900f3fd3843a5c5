#include "platform/SocketErrorNumber.h"

#include "core/LanthornError.h"

#include <gtest/gtest.h>

using namespace lanthorn;

TEST(SocketErrorNumber, MapsQtErrorsToTheNumbersTheConnectStepKnows)
{
    struct Case {
        QAbstractSocket::SocketError error;
        const char* description;
        int number;
    } cases[] = {
        { QAbstractSocket::HostNotFoundError, "Host not found", ErrorNumber::HostNotFound },
        { QAbstractSocket::ConnectionRefusedError, "Connection refused", ErrorNumber::ConnectionRefused },
        { QAbstractSocket::SocketTimeoutError, "Connection timed out", ErrorNumber::ConnectionTimedOut },
        { QAbstractSocket::NetworkError, "Connection timed out", ErrorNumber::ConnectionTimedOut },
        { QAbstractSocket::NetworkError, "Network unreachable", ErrorNumber::NetworkUnreachable },
        { QAbstractSocket::NetworkError, "Host unreachable", ErrorNumber::HostUnreachable },
        { QAbstractSocket::SocketAddressNotAvailableError, "Address not available", ErrorNumber::AddressNotAvailable },
        // Everything else is nothing the connect step expects: it must land outside its numbers.
        { QAbstractSocket::NetworkError, "Address in use", 30000 + QAbstractSocket::NetworkError },
        { QAbstractSocket::SocketAccessError, "Permission denied", 30000 + QAbstractSocket::SocketAccessError },
        { QAbstractSocket::SocketResourceError, "Out of resources", 30000 + QAbstractSocket::SocketResourceError },
        { QAbstractSocket::UnknownSocketError, "Unknown error", 29999 },
    };
    const int knownToTheConnectStep[]
        = { 13, 20103, 25023, 25037, 25050, 25052, 25058, 25061, 25062, 25066, 25094, 26002, 26003, 26005 };
    for (const Case& c : cases) {
        const int number = socketErrorNumber(c.error, QString::fromLatin1(c.description));
        EXPECT_EQ(number, c.number) << c.error << " " << c.description;
        if (number >= ErrorNumber::OtherSocketErrorBase - 1) {
            EXPECT_EQ(std::count(std::begin(knownToTheConnectStep), std::end(knownToTheConnectStep), number), 0);
        }
    }
}
