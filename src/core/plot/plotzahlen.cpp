#include "core/plot/plotzahlen.h"

#include <cmath>
#include <cstdio>

namespace zor {

int kappen(double v) {
    if (std::isnan(v)) return 0;
    if (v > PLOT_GRENZE) return static_cast<int>(PLOT_GRENZE);
    if (v < -PLOT_GRENZE) return static_cast<int>(-PLOT_GRENZE);
    return static_cast<int>(v);
}

std::string gcvtForm(double v, int stellen) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*g", stellen, v);
    return puffer;
}

std::string dekadenForm(double v) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%1.0e", v);
    return puffer;
}

}  // namespace zor
