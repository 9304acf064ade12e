#include "core/seqfiles/dateiquelle.h"

#include "core/io/dateityp.h"
#include "core/io/ausgabedatei.h"
#include "core/io/oeffnen.h"
#include "core/util/ergebnis.h"

#include <filesystem>

#include <unistd.h>

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

LadenErgebnis Load(ZorState& s, int satz, const std::string& szFile) {
    LadenErgebnis e;
    if (!s.Fenster.aktualisiert) {
        e.art = LadenErgebnis::Art::Aufforderung;
        return e;
    }
    const auto typ = Dateityp(szFile);
    if (!typ) {
        e.meldungen.push_back({TEXT_KEIN_GUELTIGER_DATEINAME, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        e.meldungen.push_back({TEXT_KEIN_GUELTIGER_DATEINAME_2, TITEL_FEHLER, Symbol::Keins});
        return e;
    }
    // Never blocks: a FIFO or device in place of the file is refused like a missing one.
    int grund = 0;
    struct stat st {};
    const int fd = regulaerOeffnen(szFile, grund, &st);
    if (fd < 0) {
        e.meldungen.push_back({TEXT_NICHT_GELESEN, TITEL_PROGRAMM, Symbol::Ausrufezeichen});
        return e;
    }
    ::close(fd);
    const auto laenge = static_cast<std::uint64_t>(st.st_size);
    if (laenge == 0) {
        e.meldungen.push_back({TEXT_LAENGE_NULL, TITEL_FEHLER, Symbol::Keins});
        return e;
    }
    modellVon(s, satz) = static_cast<std::int16_t>(modellId(Modellart::Datei, satz));
    simVon(s, satz) = 1;
    ungueltigMachen(s, satz);
    STRUCT_DATEI& d = dateiVon(s, satz);
    d.laenge = static_cast<std::int64_t>(laenge);
    d.datei = *typ;
    d.szFileName = szFile;
    s.Modell.inaktiv = 0;
    if (!s.Fenster.null) {
        s.Fenster.aktualisiert = 0;
        e.aktualisierenFreigeben = true;
    }
    e.art = LadenErgebnis::Art::Erfolg;
    return e;
}

}  // namespace zor
