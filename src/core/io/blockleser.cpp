#include "core/io/blockleser.h"

#include "core/io/formate.h"

namespace zor {

Blockleser::Blockleser(const std::string& pfad, std::size_t blockgroesse) : puffer_(blockgroesse ? blockgroesse : 1) {
    datei_ = std::fopen(pfad.c_str(), "rb");
    if (!datei_) return;
    std::setvbuf(datei_, nullptr, _IONBF, 0);
    if (std::fseek(datei_, 0, SEEK_END) == 0) {
        const long n = std::ftell(datei_);
        groesse_ = n > 0 ? static_cast<std::uint64_t>(n) : 0;
    }
    std::fseek(datei_, 0, SEEK_SET);
}

Blockleser::~Blockleser() {
    if (datei_) std::fclose(datei_);
}

std::span<const unsigned char> Blockleser::naechster() { return naechsterZumAendern(); }

std::span<unsigned char> Blockleser::naechsterZumAendern() {
    if (!datei_ || fehler_) return {};
    const std::size_t n = std::fread(puffer_.data(), 1, puffer_.size(), datei_);
    if (n < puffer_.size() && std::ferror(datei_)) fehler_ = true;
    gelesen_ += n;
    return {puffer_.data(), n};
}

bool FabLeser::naechster(std::int32_t& wert) {
    if (pos_ + FAB_RECORD <= block_.size()) {
        wert = fabWert(block_.data() + pos_);
        pos_ += FAB_RECORD;
        return true;
    }
    unsigned char b[FAB_RECORD];
    for (int i = 0; i < FAB_RECORD; ++i) {
        if (pos_ == block_.size()) {
            block_ = leser_.naechster();
            pos_ = 0;
            if (block_.empty()) return false;
        }
        b[i] = block_[pos_++];
    }
    wert = fabWert(b);
    return true;
}

}  // namespace zor
