#include "core/media/dateifenster.h"

#include "core/io/oeffnen.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zor {

Dateifenster::Dateifenster(const std::string& pfad) : pfad_(pfad) {
    struct stat st{};
    int grund = 0;
    const int fd = regulaerOeffnen(pfad, grund, &st);
    if (fd < 0) return;
    fd_ = fd;
    groesse_ = static_cast<std::uint64_t>(st.st_size);
    geraet_ = static_cast<std::uint64_t>(st.st_dev);
    knoten_ = static_cast<std::uint64_t>(st.st_ino);
}

Dateifenster::~Dateifenster() {
    if (fd_ >= 0) ::close(fd_);
}

// An open descriptor keeps a deleted file's bytes readable; the view must not show them.
bool Dateifenster::nochDieselbeDatei() const {
    struct stat st{};
    return ::stat(pfad_.c_str(), &st) == 0 && static_cast<std::uint64_t>(st.st_dev) == geraet_ &&
           static_cast<std::uint64_t>(st.st_ino) == knoten_;
}

std::size_t Dateifenster::lese(std::uint64_t offset, std::span<unsigned char> ziel) const {
    if (fd_ < 0 || ziel.empty() || offset >= groesse_ || !nochDieselbeDatei()) return 0;
    std::size_t gelesen = 0;
    while (gelesen < ziel.size()) {
        const ssize_t n = ::pread(fd_, ziel.data() + gelesen, ziel.size() - gelesen,
                                  static_cast<off_t>(offset + gelesen));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        gelesen += static_cast<std::size_t>(n);
    }
    return gelesen;
}

}  // namespace zor
