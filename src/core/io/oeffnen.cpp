#include "core/io/oeffnen.h"

#include "core/util/systemfehler.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zor {

int regulaerOeffnen(const std::string& pfad, int& grund, struct stat* info) {
    grund = 0;
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        grund = errno;
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        grund = errno;
    } else if (!S_ISREG(st.st_mode)) {
        grund = S_ISDIR(st.st_mode) ? EISDIR : GRUND_KEINE_REGULAERE_DATEI;
    } else if (::fcntl(fd, F_SETFL, O_RDONLY) != 0) {
        grund = errno;
    }
    if (grund != 0) {
        ::close(fd);
        return -1;
    }
    if (info) *info = st;
    return fd;
}

bool regulaerLesbar(const std::string& pfad, int* grund) {
    int g = 0;
    const int fd = regulaerOeffnen(pfad, g);
    if (fd >= 0) ::close(fd);
    if (grund) *grund = g;
    return fd >= 0;
}

}  // namespace zor
