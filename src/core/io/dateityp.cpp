#include "core/io/dateityp.h"

#include <cctype>

namespace zor {

namespace {
bool endetAuf(std::string_view name, const char* endung) {
    if (name.size() < 4) return false;
    const std::string_view ende = name.substr(name.size() - 4);
    if (ende[0] != '.') return false;
    for (int i = 1; i < 4; ++i)
        if (std::toupper(static_cast<unsigned char>(ende[i])) != endung[i - 1]) return false;
    return true;
}
}  // namespace

std::optional<int> Dateityp(std::string_view name) {
    if (endetAuf(name, "FFO")) return TYP_FFO;
    if (endetAuf(name, "FAB")) return TYP_FAB;
    return std::nullopt;
}

int dateitypMultimedia(std::string_view name) {
    return name.find(".FFO") != std::string_view::npos || name.find(".ffo") != std::string_view::npos ? TYP_FFO
                                                                                                       : TYP_FAB;
}

}  // namespace zor
