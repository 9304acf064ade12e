#include "job_meldungen.h"

#include "befehle.h"

#include <iostream>

namespace zorcli {

int jobMelden(const zor::JobErgebnis& e) {
    for (const auto& m : e.meldungen) std::cerr << m.text << "\n";
    if (e.ok && !e.zusammenfassung.empty()) std::cout << e.zusammenfassung << "\n";
    return e.ok ? ERFOLG : FEHLGESCHLAGEN;
}

}  // namespace zorcli
