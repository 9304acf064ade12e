#include "core/io/dateijob.h"

#include "core/io/formate.h"

#include <sys/statvfs.h>

#include <filesystem>

namespace zor {

std::optional<JobErgebnis> gleicheDateiVerweigern(const std::string& ausgabe,
                                                  std::initializer_list<std::string> eingaben) {
    for (const std::string& e : eingaben)
        if (gleicheDatei(ausgabe, e))
            return JobErgebnis::Ablehnung(format(TEXT_GLEICHE_DATEI, ausgabe.c_str(), e.c_str()), TITEL_PROGRAMM,
                                       Symbol::Stopp);
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
    const auto frei = freierPlatz(ausgabe);
    if (!frei || bytes <= *frei) return std::nullopt;
    return JobErgebnis::Fehler(format(TEXT_KEIN_PLATZ, ausgabe.c_str(), static_cast<unsigned long long>(bytes),
                                      static_cast<unsigned long long>(*frei)),
                               TITEL_PROGRAMM, Symbol::Stopp);
}

}  // namespace zor
