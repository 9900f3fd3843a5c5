#pragma once

#include "platform/TerminalModel.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

namespace lanthorn::testing {

/// Everything a display would show of a model: every kept row with its number, its text and
/// its runs (column, painted colours, attributes). Two models that show the same agree on it.
inline QString DumpTerminal(const TerminalModel& model)
{
    QString out;
    for (qint64 row = model.firstRow(); row <= model.lastRow(); ++row) {
        const TerminalLine& line = model.line(row);
        out += QStringLiteral("%1%2 [%3]").arg(row).arg(line.isContinuation() ? "+" : "").arg(line.text());
        for (const TerminalRun& run : line.runs()) {
            const auto colours = run.style.colours();
            out += QStringLiteral(" %1:%2%3%4/%5%6%7/%8")
                       .arg(run.column)
                       .arg(colours.fore.red, 2, 16, QLatin1Char('0'))
                       .arg(colours.fore.green, 2, 16, QLatin1Char('0'))
                       .arg(colours.fore.blue, 2, 16, QLatin1Char('0'))
                       .arg(colours.back.red, 2, 16, QLatin1Char('0'))
                       .arg(colours.back.green, 2, 16, QLatin1Char('0'))
                       .arg(colours.back.blue, 2, 16, QLatin1Char('0'))
                       .arg(run.style.attributes);
        }
        out += u'\n';
    }
    return out + QStringLiteral("screen from %1, cleared at %2").arg(model.screenTop()).arg(model.clearedRow());
}

/// Writes the bytes whole into one model and, for every byte offset, in two pieces cut there
/// into another; every result must show the same.
template <typename Setup> void ExpectSameAtEverySplit(const QByteArray& bytes, Setup setup)
{
    TerminalModel whole;
    setup(whole);
    whole.Disp(bytes);
    const QString expected = DumpTerminal(whole);
    for (qsizetype cut = 1; cut < bytes.size(); ++cut) {
        TerminalModel split;
        setup(split);
        split.Disp(bytes.left(cut));
        split.Disp(bytes.mid(cut));
        ASSERT_EQ(DumpTerminal(split), expected) << "cut after byte " << cut << " of " << bytes.toStdString();
    }
    TerminalModel byteByByte;
    setup(byteByByte);
    for (char byte : bytes)
        byteByByte.Disp(QByteArray(1, byte));
    EXPECT_EQ(DumpTerminal(byteByByte), expected) << "byte by byte: " << bytes.toStdString();
}

inline void ExpectSameAtEverySplit(const QByteArray& bytes)
{
    ExpectSameAtEverySplit(bytes, [](TerminalModel&) {});
}

} // namespace lanthorn::testing
