#pragma once
// The program's string table of the texts that belong to no single window, keyed by
// their ids. A command's hint and a document's title are in its module's description.

#include <QString>

namespace zor::app {

// Texts of our own, numbered above the inherited ids.
inline constexpr int TEXT_LAEUFT_BEREITS = 20001;  // a second start
// Pairing a window with another open one.
inline constexpr int TEXT_PARTNER_FRAGE = 20010;
inline constexpr int TEXT_KEINE_ANDERE_DATEIANSICHT = 20011;
inline constexpr int TEXT_KEIN_GLEICH_GROSSES_BILD = 20012;
// The last session's experiment, offered at the next start.
inline constexpr int TEXT_LETZTER_VERSUCH_FRAGE = 20020;

// The string with that id; empty when the table has none.
QString text(int id);

}  // namespace zor::app
