#include "core/io/ausgabedatei.h"
#include "core/io/signale.h"
#include "core/util/format.h"
#include "core/util/systemfehler.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <random>
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

std::string verzeichnisVon(const std::string& pfad) {
    const std::size_t s = pfad.find_last_of('/');
    if (s == std::string::npos) return ".";
    return s == 0 ? "/" : pfad.substr(0, s);
}

// A link at the target is followed, so the job writes the file it points to and keeps the link.
std::string linkAufgeloest(std::string pfad) {
    for (int tiefe = 0; tiefe < 40; ++tiefe) {
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::array<char, 4096> text{};
        const ssize_t n = ::readlink(pfad.c_str(), text.data(), text.size() - 1);
        if (n <= 0) break;
        const std::string ziel(text.data(), static_cast<std::size_t>(n));
        pfad = ziel.front() == '/' ? ziel : verzeichnisVon(pfad) + "/" + ziel;
    }
    return pfad;
}

// A hidden name beside the target whose length does not depend on the target's name.
std::string zufallsname(const std::string& verzeichnis) {
    static constexpr char ZEICHEN[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static thread_local std::mt19937_64 zufall{std::random_device{}()};
    std::string name = verzeichnis + "/.zor-";
    for (int i = 0; i < 12; ++i) name += ZEICHEN[zufall() % (sizeof ZEICHEN - 1)];
    return name;
}

// Gives the unnamed file a hidden name beside the target, to be renamed into place.
bool benennen(int fd, const std::string& verzeichnis, std::string& temp) {
    const std::string fdPfad = "/proc/self/fd/" + std::to_string(fd);
    for (int versuch = 0; versuch < 100; ++versuch) {
        const std::string name = zufallsname(verzeichnis);
        if (::linkat(AT_FDCWD, fdPfad.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno != EEXIST && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)) {
            temp = name;
            beiSignalEntfernen(temp);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// What is at the (resolved) target, and whether it may be written.
enum class Ziel { Neu, Datei, Geraet, Verweigert };

struct Zielpruefung {
    Ziel art = Ziel::Neu;
    struct stat st {};
    int grund = 0;
    std::string text;
};

const char* artVon(mode_t m) {
    if (S_ISDIR(m)) return "ein Verzeichnis";
    if (S_ISFIFO(m)) return "eine Pipe (FIFO)";
    if (S_ISSOCK(m)) return "ein Socket";
    if (S_ISBLK(m)) return "ein Blockgerät";
    return "keine gewöhnliche Datei";
}

// `name` is the target as the user gave it, `aufgeloest` the same with its links followed.
Zielpruefung pruefen(const std::string& name, const std::string& aufgeloest, const Eingaben& eingaben) {
    Zielpruefung p;
    if (::stat(aufgeloest.c_str(), &p.st) != 0) return p;
    p.art = S_ISREG(p.st.st_mode) ? Ziel::Datei : S_ISCHR(p.st.st_mode) ? Ziel::Geraet : Ziel::Verweigert;
    if (p.art == Ziel::Verweigert) {
        p.grund = S_ISDIR(p.st.st_mode) ? EISDIR : GRUND_KEINE_REGULAERE_DATEI;
        p.text = format(TEXT_KEINE_AUSGABEDATEI, name.c_str(), artVon(p.st.st_mode));
        return p;
    }
    for (const std::string& e : eingaben) {
        struct stat ein {};
        if (e.empty() || ::stat(e.c_str(), &ein) != 0 || ein.st_dev != p.st.st_dev || ein.st_ino != p.st.st_ino) continue;
        p.art = Ziel::Verweigert;
        p.grund = GRUND_EINGABEDATEI;
        p.text = format(TEXT_GLEICHE_DATEI, name.c_str(), e.c_str());
        break;
    }
    return p;
}

}  // namespace

std::optional<std::string> ausgabeVerweigert(const std::string& ziel, const Eingaben& eingaben) {
    Zielpruefung p = pruefen(ziel, linkAufgeloest(ziel), eingaben);
    if (p.art != Ziel::Verweigert) return std::nullopt;
    return std::move(p.text);
}

Ausgabedatei::Ausgabedatei(std::string ziel, const Eingaben& eingaben) : ziel_(linkAufgeloest(ziel)) {
    const Zielpruefung p = pruefen(ziel, ziel_, eingaben);
    if (p.art == Ziel::Verweigert) {
        fehler_ = true;
        fehlernummer_ = p.grund;
        return;
    }
    // Renaming over a device would replace the node itself (as root even /dev/null).
    if (p.art == Ziel::Geraet) {
        geraet_ = geraetOeffnen();
        return;
    }
    const std::string verzeichnis = verzeichnisVon(ziel_);
    // Unnamed until finished: an interrupted job leaves nothing behind, not even on SIGKILL.
    fd_ = ::open(verzeichnis.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // Without support for that a named file is used, removed on the catchable signals.
    for (int versuch = 0; fd_ < 0 && versuch < 100; ++versuch) {
        temp_ = zufallsname(verzeichnis);
        fd_ = ::open(temp_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ >= 0) beiSignalEntfernen(temp_);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        fehlernummer_ = errno;
        temp_.clear();
        return;
    }
    if (p.art == Ziel::Datei) {
        // The replaced file keeps its owner where permitted, and its permission bits.
        if (::fchown(fd_, p.st.st_uid, p.st.st_gid) != 0) {}
        ::fchmod(fd_, p.st.st_mode & 07777);
    } else {
        ::fchmod(fd_, standardRechte());
    }
    puffer_.reserve(PUFFER);
}

bool Ausgabedatei::geraetOeffnen() {
    // Without blocking, and only while it is still the device looked at.
    fd_ = ::open(ziel_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISCHR(st.st_mode) || ::fcntl(fd_, F_SETFL, O_WRONLY) != 0) {
        fehlernummer_ = fd_ < 0 || S_ISCHR(st.st_mode) ? errno : GRUND_KEINE_REGULAERE_DATEI;
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        return false;
    }
    puffer_.reserve(PUFFER);
    return true;
}

Ausgabedatei::~Ausgabedatei() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
    nichtMehrEntfernen(temp_);
}

bool Ausgabedatei::direkt(const char* p, std::size_t rest) {
    while (rest > 0 && !fehler_) {
        const ssize_t n = ::write(fd_, p, rest);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // A write of 0 bytes means there is no room left.
            scheitern();
            if (n == 0) fehlernummer_ = ENOSPC;
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

bool Ausgabedatei::scheitern() {
    if (!fehler_) fehlernummer_ = errno;
    fehler_ = true;
    return false;
}

bool Ausgabedatei::abschliessen() {
    if (!ok() || !leeren()) return false;
    if (geraet_) {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 || scheitern();
    }
    if (temp_.empty() && !benennen(fd_, verzeichnisVon(ziel_), temp_)) return scheitern();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temp_.c_str(), ziel_.c_str()) != 0) return scheitern();
    nichtMehrEntfernen(temp_);
    temp_.clear();
    return true;
}

bool gleicheDatei(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace zor
