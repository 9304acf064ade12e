#include "core/seqfiles/dateiquelle.h"

#include "core/io/dateityp.h"
#include "core/io/ausgabedatei.h"
#include "core/util/ergebnis.h"

#include "core/io/blockleser.h"

#include <filesystem>

namespace zor {

Eingaben satzDateien(const ZorState& s) {
    Eingaben dateien;
    for (int satz = 0; satz < 2; ++satz)
        if (modellart(modellVon(s, satz)) == Modellart::Datei) dateien.push_back(dateiVon(s, satz).szFileName);
    return dateien;
}

bool Datei_ueberschrieben(ZorState& s, const std::string& szFile) {
    std::error_code ec;
    const std::uintmax_t laenge = std::filesystem::file_size(szFile, ec);
    bool freigeben = false;
    for (int satz = 0; satz < 2; ++satz) {
        if (modellart(modellVon(s, satz)) != Modellart::Datei) continue;
        STRUCT_DATEI& d = dateiVon(s, satz);
        if (d.szFileName != szFile && !gleicheDatei(d.szFileName, szFile)) continue;
        d.laenge = ec ? 0 : static_cast<std::int64_t>(laenge);
        ungueltigMachen(s, satz);
        if (!s.Fenster.null) {
            s.Fenster.aktualisiert = 0;
            freigeben = true;
        }
    }
    return freigeben;
}

Quellpruefung dateiquellePruefen(const std::string& szFile) {
    Quellpruefung q;
    const auto typ = Dateityp(szFile);
    if (!typ) {
        q.grund = Quellpruefung::Grund::Name;
        return q;
    }
    const Blockleser probe(szFile, 1);
    if (!probe.offen()) {
        q.grund = Quellpruefung::Grund::Lesen;
        q.fehlernummer = probe.fehlernummer();
        return q;
    }
    if (probe.groesse() == 0) {
        q.grund = Quellpruefung::Grund::Leer;
        return q;
    }
    q.datei = {*typ, static_cast<std::int64_t>(probe.groesse()), szFile};
    return q;
}

LadenErgebnis Load(ZorState& s, int satz, const std::string& szFile) {
    LadenErgebnis e;
    if (!s.Fenster.aktualisiert) {
        e.art = LadenErgebnis::Art::Aufforderung;
        return e;
    }
    const Quellpruefung q = dateiquellePruefen(szFile);
    switch (q.grund) {
    case Quellpruefung::Grund::Name:
        e.meldungen.push_back({TEXT_KEIN_GUELTIGER_DATEINAME, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        e.meldungen.push_back({TEXT_KEIN_GUELTIGER_DATEINAME_2, TITEL_FEHLER, Symbol::Keins});
        return e;
    case Quellpruefung::Grund::Lesen:
        e.meldungen.push_back({TEXT_NICHT_GELESEN, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        e.fehlernummer = q.fehlernummer;
        return e;
    case Quellpruefung::Grund::Leer:
        // Which of the two sets' files is empty is not obvious from the message alone.
        e.meldungen.push_back({std::string(TEXT_LAENGE_NULL) + "\n" + szFile, TITEL_FEHLER, Symbol::Keins});
        return e;
    case Quellpruefung::Grund::Keiner: break;
    }
    const auto v = satzSicht(s, satz);
    v.M = static_cast<std::int16_t>(modellId(Modellart::Datei, satz));
    v.sim = 1;
    ungueltigMachen(s, satz);
    v.Datei = q.datei;
    s.Modell.inaktiv = 0;
    if (!s.Fenster.null) {
        s.Fenster.aktualisiert = 0;
        e.aktualisierenFreigeben = true;
    }
    e.art = LadenErgebnis::Art::Erfolg;
    return e;
}

}  // namespace zor
