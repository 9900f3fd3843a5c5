#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>

namespace lanthorn {

/// A font as the settings describe it (name, size in points, style), free of any GUI type.
struct FontChoice {
    QString name = QStringLiteral("Courier");
    double size = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const FontChoice&) const = default;
};

/// One world slot: the state that belongs to the world played in that slot's window.
struct WorldState {
    bool ActivityListed = false; // the world has an entry in the activity list
    int ActivityIndex = 0; // position of that entry; -1 when there is none
    bool Logging = false;
    QString LogFileName;
    std::int32_t LogSize = 0;
    bool InUse = false; // set when the connect attempt starts, cleared when the world is released
    int LogPart = 0;
    bool Paused = false;
    bool SplitScreen = false; // the chat pane is shown
    bool PuppetsToChat = false;
    bool PagesToChat = false;
    QByteArray ReceiveBuffer; // plain text received since the slot was last reset
    bool LogWordWrap = false;
    int SiteIndex = 0;
};

/// One stored site of the site book.
struct SiteRecord {
    QString Name;
    QString Host;
    int Port = 0;
    int Type = 0; // 0 = MUSH, 1 = MUD
    QString UserId; // blank: no automatic login
    QString Password;
    int Indent = 0;
    bool WordWrap = false;
    int WrapAt = 0;
    QString Font;
    int FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    int TFColor = 0; // palette index 0-15
    int TBColor = 0;
    int BoldANSI = 0;

    FontChoice font() const { return { Font, double(FontSize), FontBold, FontItalic }; }
};

inline constexpr int kSiteTypeMush = 0;
inline constexpr int kSiteTypeMud = 1;

/// The seven optional features; 0 is off, anything else on.
struct FeatureSwitches {
    int GagsEnabled = 0;
    int TriggersEnabled = 0;
    int NumberPadMap = 0;
    int LogOmissionsEnabled = 0;
    int WhoWindowEnabled = 0;
    int ActivitySeparator = 0;
    int SplitLogs = 0;
};

/// Program-wide display defaults. Colour values are 0x00BBGGRR; colour indexes select one of
/// the 16 palette colours.
struct ScreenDefaults {
    std::int32_t SendColor = 0; // input box background
    std::int32_t SendText = 0; // input box text
    int TFColor = 0;
    int TBColor = 0;
    int ScrollRows = 0;
};

/// A wildcard pattern of the gag or log omission list.
struct PatternEntry {
    QByteArray Text;
};

struct TriggerEntry {
    QByteArray Pattern;
    QByteArray Reaction; // every "|" is a placeholder for the stack word
    int StackWord = 0; // 0: no replacement
};

struct HiliteEntry {
    QByteArray Text;
    QByteArray ColorCode; // put between ESC "[3" and "m"
    bool WholeLine = false;
};

inline constexpr int kHistorySlots = 40;
inline constexpr int kWorldMenuEntries = 21;

/// Everything the program shares between its windows, from start-up to exit. The lists are
/// indexed from 0 in stored order (the settings file numbers their entries from 1).
struct ProgramState {
    QList<WorldState> WorldStates;
    QList<SiteRecord> Sites;

    FontChoice DefaultFont;
    ScreenDefaults Screen;
    FeatureSwitches Features;

    QList<PatternEntry> GagList;
    QList<TriggerEntry> TriggerList;
    QList<HiliteEntry> HiliteList;
    QList<PatternEntry> LogOmissions;
    QList<QString> QuoteLines;
    std::array<QString, kHistorySlots + 1> SendHistory {}; // slots 1..40; slot 0 is never used

    int CurrentWorld = 0;
    int LastWorldIndex = 0;
    int WorldMenuCount = 0;
    int ToggleIndex = 0;
    int HistoryCursor = kHistorySlots;
    int WhoState = 0;
    int MsgResult = 0;
    int NotifyPending = 0;

    ProgramState();

    /// The lowest slot that is not in use; when every slot is in use the table grows by one
    /// slot and that new slot is returned. Changes no field of an existing slot.
    int FindFreeWorldSlot();

    /// The world state of a slot; raises error 9 (subscript out of range) for a slot that
    /// does not exist.
    WorldState& world(int slot);
    const WorldState& world(int slot) const;

    /// The site record at an index of Sites; raises error 9 when it is out of range.
    const SiteRecord& site(int index) const;
    /// The site record of a world's SiteIndex; raises error 9 when it is out of range.
    const SiteRecord& siteOf(int slot) const;
    /// The same, or null when the slot or its SiteIndex is out of range.
    const SiteRecord* findSiteOf(int slot) const;
};

} // namespace lanthorn
