#include "core/media/bytequelle.h"

#include "core/io/oeffnen.h"
#include "core/util/systemfehler.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

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

    // A file that shrinks meanwhile simply yields fewer bytes.
    std::size_t lies(std::uint64_t offset, void* ziel, std::size_t n) override {
        auto* p = static_cast<char*>(ziel);
        std::size_t gelesen = 0;
        while (gelesen < n) {
            const ssize_t k = ::pread(fd_, p + gelesen, n - gelesen, static_cast<off_t>(offset + gelesen));
            if (k < 0 && errno == EINTR) continue;
            if (k <= 0) break;
            gelesen += static_cast<std::size_t>(k);
        }
        return gelesen;
    }

private:
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
