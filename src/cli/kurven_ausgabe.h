#pragma once
// Output of the curve subcommands: CSV lines "k,value" or one JSON object.

#include "core/models/konfidenz_werte.h"
#include "core/models/zor_state.h"
#include "core/models/kurven_ermitteln.h"
#include "core/util/format.h"
#include "json_ausgabe.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zorcli {

// Numbers are written as the core's curve outputs write them.
using zor::kurvenzahl;

// With --band: the band printed beside the curve, or none when the curve has none (a
// sequence too short to cut into batches): CSV columns lower,upper (empty), JSON arrays
// "lower" and "upper" (null).
struct Bandspalten {
    bool an = false;
    const zor::Kurvenband* band = nullptr;
};

// How a curve is printed: CSV lines "x,y", with --csv-de a heading line and then
// "x;y" with the decimal comma (`spalten` names the columns), or with --json one object.
struct Ausgabeform {
    bool json = false;
    bool deutsch = false;
    const char* spalten = "k;Wert";
};

// Adds --csv-de to a subcommand that prints a curve.
void csvDeHinzufuegen(CLI::App& sub, bool& deutsch);

// Prints the curve as CSV, or with --json as an object with "points", the band's arrays,
// the given further members (name, JSON value, e.g. a kurvenzahl), "ms" and "warnung"
// (null without warnings).
void kurveAusgeben(std::span<const zor::STRUCT_PUNKT> punkte, Ausgabeform form,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen, Bandspalten band = {});

// A JSON string, or null for an empty text.
std::string jsonTextOderNull(const std::string& text);

// Whether a set is sampled (simulated or read from a file), so has a band.
bool gezaehlt(const zor::Satzparameter& p);

// The hint "Folge zu kurz" of a sampled curve, written to stderr and returned as a JSON
// member value (null without a hint); `pos` is the point that decides it.
std::string bandHinweis(const zor::Konfidenz& k, std::span<const zor::STRUCT_PUNKT> kurve, std::size_t pos);

// The same for points computed in double precision.
struct Wertepaar {
    double x, y;
};
void kurveAusgeben(std::span<const Wertepaar> punkte, Ausgabeform form,
                   const std::vector<std::pair<std::string, std::string>>& weitere, std::uint32_t ms,
                   const std::vector<zor::Meldung>& warnungen);

// Writes every message to stderr; true when the curve failed.
bool meldungenAusgeben(const zor::Satzkurve& kurve);

}  // namespace zorcli
