#pragma once
// The table of a model fit as text: the cells the document shows, the aligned text `zor fit`
// prints, and the CSV export (one line per parameter, numbers as the curve outputs write them).

#include "core/anpassung/anpassung.h"

#include <array>
#include <string>
#include <vector>

namespace zor {

inline constexpr std::size_t ANPASSUNG_SPALTEN = 8;
// Column headings of the table.
extern const std::array<const char*, ANPASSUNG_SPALTEN> ANPASSUNG_KOPF;

// One row per model in rank order: rank, model, parameters (one line each, "name = value ±
// standard error"), ln L, AIC, BIC, KS, FKF deviation.
std::vector<std::array<std::string, ANPASSUNG_SPALTEN>> anpassungsTabelle(const Anpassung& a);

// "p(B|G) = 0.0100213 ± 0.00031", "pG = 0 (am Rand)", "... ± nicht bestimmbar".
std::string schaetzwertText(const Schaetzwert& s);

// The sequence's size in one line: bits, errors, error rate, correct bits after the last error.
std::string folgenZeile(const Anpassung& a);

// The whole table as aligned plain text with the sequence line above and notes below.
std::string anpassungText(const Anpassung& a);

// Heading, then one line per model and parameter:
// Rang,Modell,Parameter,Wert,Standardfehler,lnL,AIC,BIC,KS,FKF_Abweichung,konvergiert,gleichwertig
std::string Anpassung_Csv(const Anpassung& a);

}  // namespace zor
