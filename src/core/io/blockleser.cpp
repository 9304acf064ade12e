#include "core/io/blockleser.h"

#include "core/util/systemfehler.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {

Blockleser::Blockleser(const std::string& pfad, std::size_t blockgroesse) : puffer_(blockgroesse ? blockgroesse : 1) {
    // Only regular files: a device may never end and a FIFO may block for ever, so the
    // file is opened without blocking and looked at before anything is read.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fehlernummer_ = errno;
        return;
    }
    struct stat st {};
    const bool gelesen = ::fstat(fd, &st) == 0;
    if (!gelesen || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, O_RDONLY) != 0 || !(datei_ = ::fdopen(fd, "rb"))) {
        fehlernummer_ = !gelesen || S_ISREG(st.st_mode) ? errno
                        : S_ISDIR(st.st_mode)          ? EISDIR
                                                       : GRUND_KEINE_REGULAERE_DATEI;
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
