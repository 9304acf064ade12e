#include "core/models/umrechnung.h"

#include "core/models/zor_state.h"

#include <cmath>

namespace zor {

namespace {

// a / b, or a * 1e15 when b is 0.
float quotient(float a, float b) { return b != 0.0f ? a / b : static_cast<float>(a * 1e15); }

}  // namespace

GE_TO_MC_STRUCT Umrechnung(const float* Wert) {
    const float eG = Wert[gemc::Good], eB = Wert[gemc::Bad];
    const float gb = Wert[gemc::Good_From_Bad], bg = Wert[gemc::Bad_From_Good];
    const float ugg = (1.0f - eG) * Wert[gemc::Good_From_Good];
    const float ubb = (1.0f - eB) * Wert[gemc::Bad_From_Bad];
    const float ubg = (1.0f - eG) * gb;
    const float ugb = (1.0f - eB) * bg;

    const float diff = ugg - ubb;
    const float D = static_cast<float>(std::sqrt(static_cast<double>(diff) * diff + 4.0f * ugb * ubg));
    const float beta_g = (D + (ugg + ubb)) * 0.5f;
    const float beta_b = ((ugg + ubb) - D) * 0.5f;
    const float xg = quotient(ubg, beta_g - ubb);
    const float xb = quotient(ubg, beta_b - ubb);

    const float summe = gb + bg;
    const bool ohneUebergang = gb == 0.0f && bg == 0.0f;
    const float wg = ohneUebergang ? 0.5f : gb / summe;
    const float wb = ohneUebergang ? 0.5f : bg / summe;
    const float pm = eG * wg + eB * wb;

    const float Z = (wg * eG + wb * eB * xg) * (xb - 1.0f);
    const float N = (xb - xg) * pm;
    const float alpha_g = quotient(Z, N);
    const float alpha_b = 1.0f - alpha_g;

    const float q_g = 1.0f - beta_g;
    const float q_b = 1.0f - beta_b;
    const float S = alpha_g * q_b + alpha_b * q_g;
    const float qbg = quotient(summe * alpha_b, S);
    const float qgb = alpha_b != 0.0f ? alpha_g * qbg / alpha_b : 1.0f;
    const float dk = summe > 0.0f && summe < 1.0f ? 1.0f / summe - 1.0f : 0.0f;

    return {eG, eB, gb, bg, q_g, q_b, qgb, qbg, pm, dk};
}

bool mcModellGueltig(const GE_TO_MC_STRUCT& r) {
    if (!(r.GeGoodFromBad + r.GeBadFromGood <= 1.0f)) return false;
    for (float p : {r.McGood, r.McBad, r.McGoodFromBad, r.McBadFromGood})
        if (!(p >= 0.0f && p <= 1.0f)) return false;
    return std::isfinite(r.GeToMcMittel) && std::isfinite(r.GeToMcKorrelation);
}

}  // namespace zor
