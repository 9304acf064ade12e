#include "job_meldungen.h"

#include "befehle.h"

#include <cstdio>
#include <iostream>

namespace zorcli {

int jobMelden(const zor::JobErgebnis& e) {
    for (const auto& m : e.meldungen) std::cerr << m.text << "\n";
    if (e.ok && !e.zusammenfassung.empty()) std::cout << e.zusammenfassung << "\n";
    if (e.ok) return ERFOLG;
    return e.abgelehnt ? FALSCHE_EINGABE : FEHLGESCHLAGEN;
}

int ausgabeGeprueft(int code) {
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good()) return code;
    if (code == ERFOLG) std::cerr << TEXT_STANDARDAUSGABE << "\n";
    return code == ERFOLG ? FEHLGESCHLAGEN : code;
}

}  // namespace zorcli
