#include "core/seqfiles/vergleich.h"

#include "core/io/dateijob.h"
#include "core/util/fortschritt.h"
#include "core/io/ausgabedatei.h"
#include "core/util/systemfehler.h"

namespace zor {

JobErgebnis CompareFile(const std::string& datei1, const std::string& datei2, const std::string& vergleich,
                        Fortschritt& f, std::size_t block, const Eingaben& geschuetzt) {
    const Eingaben eingaben = eingabenUnd({datei1, datei2}, geschuetzt);
    if (auto nein = ausgabeVerweigern(vergleich, eingaben)) return *nein;
    Blockleser a(datei1, block);
    if (!a.offen()) return JobErgebnis::Fehler(mitGrund(format(TEXT_OEFFNEN_1, datei1.c_str()), a.fehlernummer()));
    Blockleser b(datei2, block);
    if (!b.offen()) return JobErgebnis::Fehler(mitGrund(format(TEXT_OEFFNEN_2, datei2.c_str()), b.fehlernummer()));
    Ausgabedatei aus(vergleich, eingaben);
    if (!aus.ok()) return JobErgebnis::Fehler(mitGrund(format(TEXT_ERZEUGEN, vergleich.c_str()), aus.fehlernummer()));
    if (a.groesse() != b.groesse())
        return JobErgebnis::Ablehnung(TEXT_UNGLEICH_GROSS, TITEL_FEHLER, Symbol::Information);
    if (a.groesse() == 0) return JobErgebnis::Ablehnung(TEXT_DATEIEN_LESEN, TITEL_FEHLER, Symbol::Information);

    Fortschrittsrahmen fenster(f, vergleich, TEXT_WIRD_ERSTELLT);
    Schritte schritte(a.groesse() / 100, 1);
    for (;;) {
        const auto ta = a.naechsterZumAendern();
        const auto tb = b.naechster();
        if (ta.size() != tb.size()) return JobErgebnis::Fehler(TEXT_DATEIEN_LESEN, TITEL_FEHLER, Symbol::Information);
        if (ta.empty()) break;
        schritte.bis(a.gelesen(), f);
        if (schritte.abgebrochen()) return JobErgebnis::Abgebrochen();
        for (std::size_t i = 0; i < ta.size(); ++i) ta[i] = static_cast<unsigned char>(ta[i] ^ tb[i]);
        if (!aus.schreiben(ta.data(), ta.size())) return JobErgebnis::Fehler(mitGrund(TEXT_WRITEFILE, aus.fehlernummer()));
    }
    if (a.fehler() || b.fehler() || a.gelesen() != a.groesse())
        return JobErgebnis::Fehler(mitGrund(TEXT_DATEIEN_LESEN, a.fehler() ? a.fehlernummer() : b.fehlernummer()),
                                   TITEL_FEHLER, Symbol::Information);
    if (!aus.abschliessen()) return JobErgebnis::Fehler(mitGrund(TEXT_WRITEFILE, aus.fehlernummer()));
    JobErgebnis e;
    e.ok = true;
    e.ausgabe = vergleich;
    e.dateigroesse = a.groesse();
    return e;
}

}  // namespace zor
