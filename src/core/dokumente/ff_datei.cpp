#include "core/dokumente/ff_datei.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/io/blockleser.h"
#include "core/io/formate.h"

namespace zor {
namespace {

bool regulaer(const std::string& pfad) {
    std::error_code fehler;
    return std::filesystem::is_regular_file(pfad, fehler);
}

// A byte as the grid shows it: control and non-ASCII bytes would garble the row.
char zeichen(unsigned char b) { return b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '?'; }

std::optional<std::string> fehlerfolge(const STRUCT_DATEI& d, long anzahl) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(d.szFileName.c_str(), "rb"), &std::fclose);
    if (!f) return std::nullopt;
    const long n = std::min<long>({anzahl, static_cast<long>(d.laenge), FF_FFO_HOECHSTENS});
    std::string bytes(static_cast<std::size_t>(std::max(0L, n)), '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f.get()));
    if (std::ferror(f.get())) return std::nullopt;
    for (char& c : bytes) c = zeichen(static_cast<unsigned char>(c));
    return bytes;
}

std::optional<std::string> fehlerabstaende(const STRUCT_DATEI& d, long anzahl) {
    FabLeser leser(d.szFileName, std::size_t{1} << 16);
    if (!leser.offen()) return std::nullopt;
    std::string bits;
    long long gelesen = 0;
    std::int64_t wert = 0;
    while (static_cast<long>(bits.size()) < anzahl) {
        if (wert < 1 && gelesen < d.laenge) {
            std::int32_t w = 0;
            if (!leser.naechster(w)) break;
            gelesen += FAB_RECORD;
            wert = w;
        } else if (wert < 1) {
            break;  // the records are used up
        }
        bits.push_back(wert == 1 ? '1' : '0');
        --wert;
    }
    if (leser.fehler()) return std::nullopt;
    return bits;
}

}  // namespace

std::optional<std::string> FF_DateiFolge(const STRUCT_DATEI& datei, long anzahl) {
    if (!regulaer(datei.szFileName)) return std::nullopt;
    return datei.datei == 1 ? fehlerfolge(datei, anzahl) : fehlerabstaende(datei, anzahl);
}

}  // namespace zor
