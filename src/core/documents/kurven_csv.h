#pragma once
// The shown curves of a curve document as CSV, number for number as `zor` prints them.

#include <string>

#include "core/models/zor_state.h"

namespace zor {

// A heading line "k,Satz 1,Satz 2", then lines "k,satz1,satz2": k as the curve stores it (FAV k = 1..d, FKF the lag
// 0..D), an inactive set's column empty. FAV: P(a>=k) or p(a=k) by Modell.AB; FKF: R(k).
// With the band option four more columns: lower and upper end of each set's band (empty without).
std::string FAV_Csv(ZorState& s);
std::string FKF_Csv(const ZorState& s);

}  // namespace zor
