#include "core/io/blockleser.h"

#include "core/io/formate.h"
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
