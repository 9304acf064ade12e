#include "job_meldungen.h"

#include "befehle.h"

#include "core/beispiele/beispiele.h"
#include "core/seqfiles/konvertieren.h"
#include "core/seqfiles/vergleich.h"

#include <cstdio>
#include <iostream>
#include <string_view>

namespace zorcli {

namespace {

// The program's success boxes; on the command line the "Geschrieben" line replaces them.
constexpr const char* BESTAETIGUNGEN[] = {zor::TEXT_KONVERTIERT, zor::TEXT_ABSTAND_ERSTELLT,
                                          zor::TEXT_BEISPIELE_GESCHRIEBEN};

// Whether `text` is `muster` with any text in place of each "%s" (the texts are short).
bool passt(std::string_view text, std::string_view muster) {
    const std::size_t platz = muster.find("%s");
    if (platz == std::string_view::npos) return text == muster;
    if (text.substr(0, platz) != muster.substr(0, platz)) return false;
    for (std::size_t n = platz; n <= text.size(); ++n)
        if (passt(text.substr(n), muster.substr(platz + 2))) return true;
    return false;
}

bool istBestaetigung(const zor::Meldung& m) {
    for (const char* muster : BESTAETIGUNGEN)
        if (passt(m.text, muster)) return true;
    return false;
}

}  // namespace

void geschriebenMelden(const std::string& datei) { std::cerr << zor::format(zor::TEXT_GESCHRIEBEN, datei.c_str()) << "\n"; }

int jobMelden(const zor::JobErgebnis& e, const std::vector<std::string>& ausgaben) {
    for (const auto& m : e.meldungen)
        if (!e.ok || !istBestaetigung(m)) std::cerr << m.text << "\n";
    if (!e.ok) return e.abgelehnt ? FALSCHE_EINGABE : FEHLGESCHLAGEN;
    if (!e.zusammenfassung.empty()) std::cout << e.zusammenfassung << "\n";
    // The data above reaches a reader before the closing line.
    std::cout.flush();
    if (!ausgaben.empty()) {
        for (const std::string& a : ausgaben) geschriebenMelden(a);
    } else if (!e.ausgabe.empty()) {
        geschriebenMelden(e.ausgabe);
    }
    return ERFOLG;
}

int ausgabeGeprueft(int code) {
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good()) return code;
    if (code == ERFOLG) std::cerr << TEXT_STANDARDAUSGABE << "\n";
    return code == ERFOLG ? FEHLGESCHLAGEN : code;
}

}  // namespace zorcli
