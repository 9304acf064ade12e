#include "core/beispiele/beispiele.h"

#include "core/beispiele/erzeuger.h"
#include "core/beispiele/testbild.h"
#include "core/io/ausgabedatei.h"
#include "core/util/systemfehler.h"

#include <filesystem>
#include <system_error>

namespace zor {

namespace fs = std::filesystem;
using namespace beispiele;

namespace {

constexpr const char* LIESMICH = "LIESMICH.txt";

std::string liesmich() {
    std::string t =
        "Beispieldateien von Zorwerk und Multimedia\n"
        "==========================================\n\n"
        "Kleine Dateien zum Ansehen, Anhören, Verfälschen und Vergleichen:\n\n";
    for (const Beispieldatei& d : beispieldateien()) {
        if (d.name == LIESMICH) continue;
        t += format("%-13s %s\n", d.name.c_str(), d.inhalt.c_str());
        t += format("%-13s Kopf: %llu Bytes\n", "", static_cast<unsigned long long>(d.kopf));
    }
    t += "\nBeim Verfälschen die Kopfbytes schützen, sonst lässt sich die Kopie oft nicht\n"
         "mehr öffnen: im Programm \"Die ersten ... Bytes nicht verfälschen\", mit zor\n"
         "die Option --protect, zum Beispiel:\n\n"
         "  zor corrupt bsc --p 0.001 --protect 54 bild24.bmp kopie24.bmp\n"
         "  zor corrupt ge --protect 44 ton.wav ton-ge.wav\n\n"
         "Im Film liegen zwischen den Bildern weitere Blockköpfe (8 Bytes je Bild); ein\n"
         "Fehler dort kann ein Bild unlesbar machen.\n";
    return t;
}

Ergebnis bytesSchreiben(const std::string& pfad, const std::vector<unsigned char>& bytes) {
    // No example is an FFO or FAB file, so none can be a file a parameter set reads.
    Ausgabedatei aus(pfad, {});
    aus.schreiben(bytes.data(), bytes.size());
    if (aus.abschliessen()) return Ergebnis::Erfolg();
    return Ergebnis::Fehler(mitGrund(format(TEXT_BEISPIELE_DATEI, pfad.c_str()), aus.fehlernummer()));
}

Ergebnis bild8(const std::string& pfad) { return bytesSchreiben(pfad, bild8Bytes()); }
Ergebnis ton(const std::string& pfad) { return bytesSchreiben(pfad, tonBytes()); }
Ergebnis melodie(const std::string& pfad) { return bytesSchreiben(pfad, melodieBytes()); }
Ergebnis film(const std::string& pfad) { return bytesSchreiben(pfad, filmBytes()); }
Ergebnis liesmichSchreiben(const std::string& pfad) {
    const std::string text = liesmich();
    return bytesSchreiben(pfad, std::vector<unsigned char>(text.begin(), text.end()));
}

}  // namespace

const std::vector<Beispieldatei>& beispieldateien() {
    static const std::vector<Beispieldatei> dateien = {
        {"bild24.bmp", format("Bitmap, %u × %u Bildpunkte, 24 Bit je Bildpunkt", BILD_BREITE, BILD_HOEHE), 54,
         bild24Schreiben},
        {"bild8.bmp", "dasselbe Bild mit 8 Bit je Bildpunkt und einer Farbtabelle mit 256 Farben",
         14 + 40 + 256 * 4, bild8},
        {"ton.wav", format("Wave, 3 s Töne, %u Hz, 16 Bit, mono", TON_RATE), 44, ton},
        {"melodie.mid", "MIDI-Datei, Format 1 mit zwei Spuren: \"Alle meine Entchen\"", 14, melodie},
        {"film.avi",
         format("AVI-Video, %u × %u Bildpunkte, %u unkomprimierte Bilder, %u Bilder je Sekunde", FILM_BREITE,
                FILM_HOEHE, FILM_BILDER, FILM_BILDRATE),
         filmKopf(), film},
        {LIESMICH, "diese Übersicht", 0, liesmichSchreiben},
    };
    return dateien;
}

std::vector<std::string> vorhandeneBeispiele(const std::string& ordner) {
    std::vector<std::string> da;
    for (const Beispieldatei& d : beispieldateien()) {
        std::error_code ec;
        if (fs::exists(fs::path(ordner) / d.name, ec)) da.push_back(d.name);
    }
    return da;
}

std::string namensliste(const std::vector<std::string>& namen) {
    std::string liste;
    for (const std::string& n : namen) liste += (liste.empty() ? "" : ", ") + n;
    return liste;
}

BeispielErgebnis beispieleSchreiben(const std::string& ordner, bool ersetzen) {
    BeispielErgebnis r;
    std::error_code ec;
    if (fs::exists(ordner, ec) && !fs::is_directory(ordner, ec)) {
        r.job = JobErgebnis::Ablehnung(format(TEXT_BEISPIELE_KEIN_ORDNER, ordner.c_str()), TITEL_PROGRAMM,
                                       Symbol::Ausrufezeichen);
        return r;
    }
    if (const auto da = vorhandeneBeispiele(ordner); !da.empty() && !ersetzen) {
        r.job = JobErgebnis::Ablehnung(format(TEXT_BEISPIELE_VORHANDEN, ordner.c_str(), namensliste(da).c_str()), TITEL_PROGRAMM,
                                       Symbol::Ausrufezeichen);
        return r;
    }
    fs::create_directories(ordner, ec);
    if (ec) {
        r.job = JobErgebnis::Fehler(mitGrund(format(TEXT_BEISPIELE_ORDNER, ordner.c_str()), ec.value()),
                                    TITEL_PROGRAMM, Symbol::Ausrufezeichen);
        return r;
    }
    for (const Beispieldatei& d : beispieldateien()) {
        const std::string pfad = (fs::path(ordner) / d.name).string();
        if (const Ergebnis e = d.schreiben(pfad); !e) {
            r.job = JobErgebnis::Fehler(e.meldung.text, TITEL_PROGRAMM, Symbol::Ausrufezeichen);
            r.ausgaben.clear();
            return r;
        }
        r.ausgaben.push_back(pfad);
    }
    r.job.ok = true;
    r.job.ausgabe = ordner;
    r.job.melden(format(TEXT_BEISPIELE_GESCHRIEBEN, ordner.c_str()), TITEL_PROGRAMM, Symbol::Information);
    return r;
}

}  // namespace zor
