#pragma once

#include "EventLoop.h"
#include "FakeWorldServer.h"
#include "LiteralBytes.h"
#include "platform/TcpConnection.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <gtest/gtest.h>

namespace lanthorn::testing {

/// One connection with every event it raises recorded, and a fake world for it.
class ConnectionTest : public ::testing::Test {
protected:
    struct Unit {
        QByteArray text;
        bool endOfLine;
    };

    ConnectionTest()
    {
        connection.setObjectName(QStringLiteral("IPPort1"));
        QObject::connect(
            &connection, &TcpConnection::connectedEvent, [this] { events << QStringLiteral("connected"); });
        QObject::connect(&connection, &TcpConnection::dataIn, [this](QByteArray& text, bool endOfLine) {
            events << QStringLiteral("data");
            units.append({ text, endOfLine });
        });
        QObject::connect(
            &connection, &TcpConnection::disconnectedEvent, [this] { events << QStringLiteral("disconnected"); });
        QObject::connect(&connection, &TcpConnection::connectFailed, [this](int number, const QString& description) {
            events << QStringLiteral("failed %1").arg(number);
            failure = description;
        });
    }

    /// Connects to `world` and waits until both sides see the connection.
    void connectTo(FakeWorldServer& server, const QByteArray& terminator = "\n")
    {
        const int clientsBefore = server.clientCount();
        connection.setRemoteHost(FakeWorldServer::host());
        connection.setRemotePort(server.port());
        connection.setLineTerminator(terminator);
        connection.setSwitch4(true);
        connection.setConnected(true);
        ASSERT_TRUE(waitFor([this] { return connection.Connected(); }));
        ASSERT_TRUE(server.waitForClients(clientsBefore + 1));
    }

    bool waitForUnits(qsizetype count, int milliseconds = 5000)
    {
        return waitFor([&] { return units.size() >= count; }, milliseconds);
    }

    bool waitForEvent(const QString& event, int milliseconds = 5000)
    {
        return waitFor([&] { return events.contains(event); }, milliseconds);
    }

    QList<QByteArray> texts() const
    {
        QList<QByteArray> result;
        for (const Unit& unit : units)
            result << unit.text;
        return result;
    }

    QByteArray joined() const
    {
        QByteArray result;
        for (const Unit& unit : units)
            result += unit.text;
        return result;
    }

    FakeWorldServer world;
    TcpConnection connection;
    QList<Unit> units;
    QStringList events;
    QString failure;
};

} // namespace lanthorn::testing
