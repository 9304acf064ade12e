#pragma once
// 95 % confidence bands of sampled curves (simulated or read from a file) by batch
// means. The sequence is cut into B = 20 consecutive batches, each far longer than the
// correlation of the channels (a few dozen bits), so the batches are nearly independent
// even where errors come in bursts. Plain binomial intervals would treat every error or
// every product as an independent trial; in a bursty channel they are not, and such
// intervals come out several times too narrow.
//
// The spread is taken as a jackknife over the batches: the curve is formed again without
// each batch in turn. For the general correlation estimate, a plain average over the
// bits, this is exactly the spread of the batch curves themselves; for the ratios (the
// gap distribution, the renewal estimate, the correlation duration) it weighs each
// batch by its number of errors, where plain batch ratios of few errors would be biased.
// Half-width: t(B - 1, 0.975) times the standard error.

#include "core/models/abstandshistogramm.h"
#include "core/models/fav.h"
#include "core/models/fkf_packed.h"
#include "core/models/konfidenz_werte.h"
#include "core/models/zor_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zor {

inline constexpr int CHARGEN = 20;

// Fewer than this many errors, or a relative half-width above this at the cursor's
// start point, and a curve says little ("Folge zu kurz").
inline constexpr std::uint64_t BAND_MINDESTFEHLER = 30;
inline constexpr double BAND_HOECHSTE_HALBBREITE = 0.2;

// The 0.975 quantile of Student's t distribution with f >= 1 degrees of freedom.
double studentT975(int f);

// Batches shorter than this many bits are not cut: the products of the correlation
// reach up to 100 bits into the next batch, and a band of so short a sequence says little.
inline constexpr std::uint64_t CHARGE_MINDESTBITS = 400;

// How many batches a sequence of n items allows: CHARGEN, or 1 (no band) when the
// batches would be shorter than `mindestens` items each.
int chargenFuer(std::uint64_t n, std::uint64_t mindestens);

// FAV band from the batches' gap histograms; `kurve` is the curve of their sum
// (d = kurve.size() points), band and punktband get d points.
void FAV_Konfidenz(const Chargenabstaende& c, KurveLesen kurve, Konfidenz& k);

// FKF band of the general estimate from the batch counters of a Korrelator over `bits`
// bits; `kurve` (D + 1 points) is the curve of their sum. Also the duration's interval.
void FKF_KonfidenzAllgemein(const Korrelator& kor, std::uint64_t bits, KurveLesen kurve, Konfidenz& k);

// FKF band of the renewal estimate from the batches' gap histograms and bits.
void FKF_KonfidenzErneuernd(const Chargenabstaende& c, KurveLesen kurve, Konfidenz& k);

inline constexpr const char* TEXT_BAND_NUR_GEZAEHLT =
    "Ein Konfidenzband gibt es nur für simulierte Kurven und für Kurven aus einer Datei.";

// The point whose band decides "Folge zu kurz": the first one that depends on how the
// errors follow each other. P(a >= 1) is 1 whatever the sequence and R(0) is only the
// error rate, so those curves are judged at k = 2 resp. lag 1; p(a = k) at k = 1.
inline std::size_t bandPruefpunkt(bool punktwahrscheinlichkeiten) { return punktwahrscheinlichkeiten ? 0 : 1; }

// A value with its half-width as the cursor readout shows it: "0.2948 ± 0.0031", or
// with a shared power of ten when that is shorter and the fixed form would not fit in
// HALBBREITE_ZEICHEN bytes ("±" counts two): "(1.0 ± 2.4)e-4".
inline constexpr std::size_t HALBBREITE_ZEICHEN = 16;
std::string mitHalbbreite(float wert, float halb);

// The N that would give a useful curve when a sampled curve's band at point `pos` is too
// wide (relative half-width above 20 %; nothing seen there while later points saw
// something counts as one event seen) or it has fewer than 30 errors: the half-width
// shrinks as one over the square root of N. Rounded up to two digits; nothing when the
// curve is good enough or comes from a formula.
std::optional<std::uint64_t> noetigeLaenge(const Konfidenz& k, KurveLesen kurve, std::size_t pos);

// "Folge zu kurz: N ≈ 1100000 nötig", or empty without a length.
std::string folgeZuKurz(std::optional<std::uint64_t> n);
inline std::string folgeZuKurz(const Konfidenz& k, KurveLesen kurve, std::size_t pos) {
    return folgeZuKurz(noetigeLaenge(k, kurve, pos));
}

}  // namespace zor
