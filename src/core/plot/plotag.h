#pragma once
// The plot-template interpreter: draws the static layer of a diagram or picture from
// a *.PLT template, record by record.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/plot/canvas.h"

namespace zor {

inline constexpr const char* TEXT_FEHLERHAFTE_PLOTDATEI = "Fehlerhafte Plotdatei!";

// Gives the text of a template by its file name, or nothing when there is none.
using Vorlagenquelle = std::function<std::optional<std::string>(std::string_view name)>;

// How t records meet each other. Wie die Vorlage: where the template puts them.
// Zeilen (diagram windows of any shape): a left-aligned text that would touch an earlier
// one continues that text's line right of it; any other touching text, or one that
// would then leave the window, is left out.
enum class Textregel { WieVorlage, Zeilen };

// Draws the template text. zahlenwert holds the values t records may print (empty:
// none given; such records draw their text alone); textfarbe picks the first (0) or
// second colour of b records; text is the selector t records are compared with.
// Returns 1 when every record was drawn. A faulty record (unknown tag, missing or
// malformed field, value index outside zahlenwert) keeps what was drawn so far,
// writes "Fehlerhafte Plotdatei!" centred at the origin and returns 0.
// The caller's pen, brush and font are in place again afterwards.
int plotag(Canvas& dc, std::string_view vorlage, std::span<const float> zahlenwert, int textfarbe, char text,
           Textregel regel = Textregel::WieVorlage);

// The same for a template found by name; one that the source does not know counts
// as faulty.
int plotag(Canvas& dc, const Vorlagenquelle& quelle, std::string_view Filename, std::span<const float> zahlenwert,
           int textfarbe, char text, Textregel regel = Textregel::WieVorlage);

}  // namespace zor
