#include "core/io/dateijob.h"

#include "core/io/formate.h"

namespace zor {

std::optional<JobErgebnis> gleicheDateiVerweigern(const std::string& ausgabe,
                                                  std::initializer_list<std::string> eingaben) {
    for (const std::string& e : eingaben)
        if (gleicheDatei(ausgabe, e))
            return JobErgebnis::Ablehnung(format(TEXT_GLEICHE_DATEI, ausgabe.c_str(), e.c_str()), TITEL_PROGRAMM,
                                       Symbol::Stopp);
    return std::nullopt;
}

void fabRestMelden(JobErgebnis& e, const std::string& fab, std::uint64_t groesse) {
    const auto rest = static_cast<unsigned long long>(groesse % FAB_RECORD);
    if (rest != 0) e.melden(format(TEXT_FAB_REST, rest, fab.c_str()), TITEL_PROGRAMM, Symbol::Information);
}

}  // namespace zor
