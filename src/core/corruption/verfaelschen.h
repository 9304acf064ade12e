#pragma once
// The channel corruption jobs: a copy of the input whose unprotected bits went through a
// BSC, GE or MC channel. Inputs are streamed and never modified; the copy appears only when
// the job succeeded; an output that is the input itself is refused before anything is written.
// On success the result carries the number of inverted bits, the input length and the summary.

#include "core/corruption/eingabe.h"
#include "core/io/blockleser.h"
#include "core/io/job_ergebnis.h"
#include "core/util/fortschritt.h"

#include <string>

namespace zor {

// Block size of the channel jobs: small enough that a block stays in the cache between
// reading, corrupting and writing it.
inline constexpr std::size_t KANAL_BLOCK = std::size_t{256} << 10;

inline constexpr const char* TEXT_ZUSAMMENFASSUNG = "FehlerAnzahl: %llu\nDateigröße: %llu Bytes\nQuote: %f\nStartwert: %d";
inline constexpr const char* TITEL_ZUSAMMENFASSUNG = "Multimedia ZOR";

// "FehlerAnzahl: …\nDateigröße: … Bytes\nQuote: …\nStartwert: …"; Quote is the share of
// inverted bits among all bits of the file, protected bytes included.
std::string zusammenfassung(std::uint64_t fehlerAnzahl, std::uint64_t dateigroesse, int startwert);

JobErgebnis MmMakeBscErr(const BscAuftrag& a, Fortschritt& f, std::size_t block = KANAL_BLOCK);
JobErgebnis MakeGeError(const GeMcAuftrag& a, Fortschritt& f, std::size_t block = KANAL_BLOCK);
JobErgebnis MakeMcError(const GeMcAuftrag& a, Fortschritt& f, std::size_t block = KANAL_BLOCK);

}  // namespace zor
