#pragma once

#include <QString>
#include <exception>

namespace lanthorn {

/// A numbered failure with a description and the routine that raised it.
/// Routines that the program's error handlers know by number raise this type.
class LanthornError : public std::exception {
public:
    LanthornError(int number, QString description, QString source = {})
        : m_number(number)
        , m_description(std::move(description))
        , m_source(std::move(source))
        , m_what(m_description.toUtf8())
    {
    }

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    QByteArray m_what;
};

/// Error numbers that the program's handlers look for.
namespace ErrorNumber {
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int SettingsWriteFailed = 32767;
inline constexpr int NotConnected = 25058;
// Failed connect attempts, numbered as the socket layer's error plus 15001.
inline constexpr int ConnectInProgress = 25037;
inline constexpr int AddressNotAvailable = 25050;
inline constexpr int NetworkUnreachable = 25052;
inline constexpr int ConnectionTimedOut = 25061;
inline constexpr int ConnectionRefused = 25062;
inline constexpr int HostUnreachable = 25066;
inline constexpr int HostNotFound = 26002;
// Any other socket failure: this base plus Qt's QAbstractSocket::SocketError value. No handler
// knows these numbers, so they are reported as unexpected, with Qt's description.
inline constexpr int OtherSocketErrorBase = 30000;
} // namespace ErrorNumber

} // namespace lanthorn
