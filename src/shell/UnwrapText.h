#pragma once

#include <QString>

namespace lanthorn {

/// Undoing line breaks in text selected on a world display (the Edit menu's copy and
/// "remove carriage returns" commands).

/// The selected text as the world sent it, for "&Copy Selected Text": blanks are trimmed
/// from both ends, and every CR LF followed by `indent` blanks (a break the word wrap put in,
/// with the continuation indent of the world's site) becomes one blank, the blanks on both
/// sides of it dropped. A CR LF followed by fewer blanks is a line end of the world's own and
/// stays.
///
/// An indent of 0 (or less) joins nothing: without an indent, a wrap break looks exactly like
/// the world's own line end, and joining every line would run a WHO list or a room's exits
/// into one line the player has to take apart again. The copy then keeps the lines as shown,
/// like any terminal's copy; "Remove Carriage Returns" is there to join them on purpose.
QString UnwrapCopiedText(const QString& selected, int indent);

/// For "&Remove Carriage Returns From Selected Text": every CR, then every LF, removed with
/// nothing in their place ("a" CR LF "b" gives "ab").
QString RemoveLineBreaks(QString text);

} // namespace lanthorn
