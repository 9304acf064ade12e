#include "core/io/ausgabedatei.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zor {

namespace {
constexpr std::size_t PUFFER = 1 << 20;

mode_t standardRechte() {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}
}  // namespace

Ausgabedatei::Ausgabedatei(std::string ziel) : ziel_(std::move(ziel)) {
    std::string muster = ziel_ + ".zor-XXXXXX";
    std::vector<char> name(muster.begin(), muster.end());
    name.push_back('\0');
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0) return;
    temp_ = name.data();
    ::fchmod(fd_, standardRechte());
    puffer_.reserve(PUFFER);
}

Ausgabedatei::~Ausgabedatei() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool Ausgabedatei::direkt(const char* p, std::size_t rest) {
    while (rest > 0 && !fehler_) {
        const ssize_t n = ::write(fd_, p, rest);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fehler_ = true;
            break;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    return !fehler_;
}

bool Ausgabedatei::leeren() {
    direkt(puffer_.data(), puffer_.size());
    puffer_.clear();
    return !fehler_;
}

bool Ausgabedatei::schreiben(const void* daten, std::size_t n) {
    if (!ok()) return false;
    const char* p = static_cast<const char*>(daten);
    // Large blocks go straight to the file instead of through the buffer.
    if (n >= PUFFER / 4) return leeren() && direkt(p, n);
    while (n > 0) {
        const std::size_t platz = PUFFER - puffer_.size();
        const std::size_t teil = n < platz ? n : platz;
        puffer_.insert(puffer_.end(), p, p + teil);
        p += teil;
        n -= teil;
        if (puffer_.size() == PUFFER && !leeren()) return false;
    }
    return true;
}

bool Ausgabedatei::abschliessen() {
    if (!ok() || !leeren()) return false;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return false;
    if (::rename(temp_.c_str(), ziel_.c_str()) != 0) return false;
    temp_.clear();
    return true;
}

bool gleicheDatei(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace zor
