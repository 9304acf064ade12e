#include "core/media/bytequelle.h"

#include "core/io/oeffnen.h"
#include "core/util/systemfehler.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace zor {

std::size_t SpeicherQuelle::lies(std::uint64_t offset, void* ziel, std::size_t n) {
    if (offset >= bytes_.size()) return 0;
    const std::size_t k = static_cast<std::size_t>(std::min<std::uint64_t>(n, bytes_.size() - offset));
    std::memcpy(ziel, bytes_.data() + offset, k);
    return k;
}

namespace {

class DateiQuelle final : public Bytequelle {
public:
    DateiQuelle(int fd, std::uint64_t groesse) : fd_(fd), groesse_(groesse) {}
    ~DateiQuelle() override { ::close(fd_); }
    DateiQuelle(const DateiQuelle&) = delete;
    DateiQuelle& operator=(const DateiQuelle&) = delete;

    std::uint64_t groesse() const override { return groesse_; }

    // A file that shrinks meanwhile simply yields fewer bytes. The holes of a sparse file
    // are zeros written here: reading them makes the kernel fill page after page, which
    // dominated finding a pattern in a large sparse file.
    std::size_t lies(std::uint64_t offset, void* ziel, std::size_t n) override {
        auto* p = static_cast<char*>(ziel);
        std::size_t gelesen = 0;
        while (gelesen < n) {
            const std::uint64_t pos = offset + gelesen;
            const std::size_t rest = n - gelesen;
            const std::uint64_t daten = naechsteDaten(pos);
            if (daten > pos) {
                const auto k = static_cast<std::size_t>(std::min<std::uint64_t>(rest, daten - pos));
                std::memset(p + gelesen, 0, k);
                gelesen += k;
                continue;
            }
            const ssize_t k = ::pread(fd_, p + gelesen, std::min(rest, bisLoch(pos)), static_cast<off_t>(pos));
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) break;
            gelesen += static_cast<std::size_t>(k);
        }
        return gelesen;
    }

private:
    // Where data starts at or after pos: pos itself where the file system does not know
    // holes or pos holds data; the current end when only a hole follows.
    std::uint64_t naechsteDaten(std::uint64_t pos) const {
        const off_t d = ::lseek(fd_, static_cast<off_t>(pos), SEEK_DATA);
        if (d >= 0) return static_cast<std::uint64_t>(d);
        struct stat st {};
        if (errno == ENXIO && ::fstat(fd_, &st) == 0 && static_cast<std::uint64_t>(st.st_size) > pos)
            return static_cast<std::uint64_t>(st.st_size);
        return pos;
    }
    // How many bytes of data follow pos before the next hole; everything when unknown.
    std::size_t bisLoch(std::uint64_t pos) const {
        const off_t h = ::lseek(fd_, static_cast<off_t>(pos), SEEK_HOLE);
        if (h < 0 || static_cast<std::uint64_t>(h) <= pos) return SIZE_MAX;
        return static_cast<std::size_t>(std::min<std::uint64_t>(SIZE_MAX, static_cast<std::uint64_t>(h) - pos));
    }

    int fd_;
    std::uint64_t groesse_;
};

}  // namespace

std::unique_ptr<Bytequelle> oeffneDatei(const std::string& pfad, std::string& warum) {
    int grund = 0;
    struct stat st {};
    const int fd = regulaerOeffnen(pfad, grund, &st);
    if (fd < 0) {
        warum = grund == GRUND_KEINE_REGULAERE_DATEI || grund == EISDIR ? pfad + " ist keine gewöhnliche Datei!"
                                                                         : "Die Datei " + pfad + " kann nicht geöffnet werden!";
        return nullptr;
    }
    return std::make_unique<DateiQuelle>(fd, static_cast<std::uint64_t>(st.st_size));
}

}  // namespace zor
