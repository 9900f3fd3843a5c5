#include "platform/SocketErrorNumber.h"

#include "core/LanthornError.h"

#include <QCoreApplication>

namespace lanthorn {

namespace {

// Qt's socket engine words these descriptions through its translation context, so comparing
// with the same translation matches even when a translator is installed.
bool isEngineText(const QString& description, const char* text)
{
    return description == QCoreApplication::translate("QNativeSocketEngine", text);
}

} // namespace

int socketErrorNumber(QAbstractSocket::SocketError error, const QString& description)
{
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return ErrorNumber::HostNotFound;
    case QAbstractSocket::ConnectionRefusedError:
        return ErrorNumber::ConnectionRefused;
    case QAbstractSocket::SocketTimeoutError:
        return ErrorNumber::ConnectionTimedOut;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return ErrorNumber::AddressNotAvailable;
    case QAbstractSocket::NetworkError:
        if (isEngineText(description, "Connection timed out"))
            return ErrorNumber::ConnectionTimedOut;
        if (isEngineText(description, "Network unreachable"))
            return ErrorNumber::NetworkUnreachable;
        if (isEngineText(description, "Host unreachable"))
            return ErrorNumber::HostUnreachable;
        break;
    default:
        break;
    }
    return ErrorNumber::OtherSocketErrorBase + int(error);
}

} // namespace lanthorn
