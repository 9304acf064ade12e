#include "core/io/blockleser.h"

#include "core/io/oeffnen.h"

#include <cerrno>

#include <unistd.h>

namespace zor {

Blockleser::Blockleser(const std::string& pfad, std::size_t blockgroesse) : puffer_(blockgroesse ? blockgroesse : 1) {
    struct stat st {};
    const int fd = regulaerOeffnen(pfad, fehlernummer_, &st);
    if (fd < 0) return;
    if (!(datei_ = ::fdopen(fd, "rb"))) {
        fehlernummer_ = errno;
        ::close(fd);
        return;
    }
    std::setvbuf(datei_, nullptr, _IONBF, 0);
    groesse_ = static_cast<std::uint64_t>(st.st_size);
}

Blockleser::~Blockleser() {
    if (datei_) std::fclose(datei_);
}

std::span<const unsigned char> Blockleser::naechster() { return naechsterZumAendern(); }

std::span<unsigned char> Blockleser::naechsterZumAendern() {
    if (!datei_ || fehler_) return {};
    const std::size_t n = std::fread(puffer_.data(), 1, puffer_.size(), datei_);
    if (n < puffer_.size() && std::ferror(datei_)) {
        fehler_ = true;
        fehlernummer_ = errno;
    }
    gelesen_ += n;
    return {puffer_.data(), n};
}

std::size_t Blockleser::lesenBei(std::uint64_t offset, unsigned char* ziel, std::size_t n) {
    if (!datei_) return 0;
    const ssize_t k = ::pread(::fileno(datei_), ziel, n, static_cast<off_t>(offset));
    return k > 0 ? static_cast<std::size_t>(k) : 0;
}

}  // namespace zor
