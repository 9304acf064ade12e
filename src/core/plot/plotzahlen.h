#pragma once
// Number helpers of the plot code: truncation that survives absurd template numbers,
// and the two label formats of the diagrams.

#include <string>

namespace zor {

// Largest logical coordinate the plot code hands to a canvas; anything beyond is far
// outside every picture and only risks overflow in the device mapping.
inline constexpr double PLOT_GRENZE = 1 << 28;

// Truncation towards zero, clamped to +-PLOT_GRENZE; NaN gives 0.
int kappen(double v);

// Shortest of fixed and exponential form with the given significant digits, as the
// C runtime's gcvt prints it ("0.1", "10000", "1e-05").
std::string gcvtForm(double v, int stellen);

// One significant digit in exponential form, the decade labels ("1e-05", "1e+02").
std::string dekadenForm(double v);

}  // namespace zor
