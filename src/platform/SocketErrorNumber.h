#pragma once

#include <QAbstractSocket>
#include <QString>

namespace lanthorn {

/// The number under which a failed connect attempt is reported (see ErrorNumber):
///
/// | Qt's error                                              | number                   |
/// |---------------------------------------------------------|--------------------------|
/// | HostNotFoundError                                       | 26002                    |
/// | ConnectionRefusedError                                  | 25062                    |
/// | SocketTimeoutError; NetworkError "Connection timed out" | 25061                    |
/// | NetworkError "Network unreachable"                      | 25052                    |
/// | NetworkError "Host unreachable"                         | 25066                    |
/// | SocketAddressNotAvailableError                          | 25050                    |
/// | anything else                                           | 30000 + Qt's error value |
///
/// Qt reports the kernel's ETIMEDOUT, ENETUNREACH and EHOSTUNREACH all as NetworkError and
/// tells them apart only by the description, so that is compared with Qt's own wording.
int socketErrorNumber(QAbstractSocket::SocketError error, const QString& description);

} // namespace lanthorn
