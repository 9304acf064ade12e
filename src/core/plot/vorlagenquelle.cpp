#include "core/plot/vorlagenquelle.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zor {
namespace {

bool gleichOhneGross(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::filesystem::path> finden(const std::filesystem::path& verzeichnis, std::string_view name) {
    std::error_code fehler;
    const auto genau = verzeichnis / std::string(name);
    if (std::filesystem::is_regular_file(genau, fehler)) return genau;
    for (std::filesystem::directory_iterator it(verzeichnis, fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        if (gleichOhneGross(it->path().filename().string(), name) && it->is_regular_file(fehler))
            return it->path();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> vorlageAusVerzeichnis(const std::filesystem::path& verzeichnis, std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    const auto pfad = finden(verzeichnis, name);
    if (!pfad) return std::nullopt;
    std::error_code fehler;
    const auto groesse = std::filesystem::file_size(*pfad, fehler);
    if (fehler || groesse > MAX_VORLAGENGROESSE) return std::nullopt;
    std::ifstream ein(*pfad, std::ios::binary);
    if (!ein) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

Vorlagenquelle vorlagenquelle(std::filesystem::path verzeichnis, Vorlagenquelle eingebaut) {
    return [verzeichnis = std::move(verzeichnis), eingebaut = std::move(eingebaut)](std::string_view name) {
        if (auto text = vorlageAusVerzeichnis(verzeichnis, name)) return text;
        return eingebaut ? eingebaut(name) : std::nullopt;
    };
}

}  // namespace zor
