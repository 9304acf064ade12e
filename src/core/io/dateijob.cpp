#include "core/io/dateijob.h"

#include "core/io/formate.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <filesystem>

namespace zor {

Eingaben eingabenUnd(std::initializer_list<std::string> eingaben, const Eingaben& geschuetzt) {
    Eingaben alle(eingaben);
    alle.insert(alle.end(), geschuetzt.begin(), geschuetzt.end());
    return alle;
}

std::optional<JobErgebnis> ausgabeVerweigern(const std::string& ausgabe, const Eingaben& eingaben) {
    if (auto text = ausgabeVerweigert(ausgabe, eingaben))
        return JobErgebnis::Ablehnung(std::move(*text), TITEL_PROGRAMM, Symbol::Stopp);
    return std::nullopt;
}

void fabHinweiseMelden(JobErgebnis& e, const FabLeser& leser, const std::string& fab) {
    for (std::string& text : fabHinweise(leser, fab)) e.melden(std::move(text), TITEL_PROGRAMM, Symbol::Information);
}

std::optional<std::uint64_t> freierPlatz(const std::string& ausgabe) {
    std::filesystem::path ordner = std::filesystem::path(ausgabe).parent_path();
    if (ordner.empty()) ordner = ".";
    struct statvfs st {};
    if (::statvfs(ordner.c_str(), &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.f_bavail) * static_cast<std::uint64_t>(st.f_frsize);
}

std::optional<JobErgebnis> platzVerweigern(const std::string& ausgabe, std::uint64_t bytes) {
    // A device takes what it takes; its directory's free space says nothing about it.
    struct stat st {};
    if (::stat(ausgabe.c_str(), &st) == 0 && S_ISCHR(st.st_mode)) return std::nullopt;
    const auto frei = freierPlatz(ausgabe);
    if (!frei || bytes <= *frei) return std::nullopt;
    return JobErgebnis::Fehler(format(TEXT_KEIN_PLATZ, ausgabe.c_str(), static_cast<unsigned long long>(bytes),
                                      static_cast<unsigned long long>(*frei)),
                               TITEL_PROGRAMM, Symbol::Stopp);
}

}  // namespace zor
