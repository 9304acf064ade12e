#include "core/anpassung/folge_lesen.h"

#include "core/io/dateijob.h"
#include "core/io/dateityp.h"
#include "core/io/folgenleser.h"
#include "core/models/fehlerquellen.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/seqfiles/folgen_strom.h"
#include "core/util/format.h"
#include "core/util/systemfehler.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <new>

namespace zor {

namespace {

enum class Format { Ffo, Fab, Vgl };

std::optional<Format> formatVon(const std::string& name) {
    if (const auto typ = Dateityp(name)) return *typ == TYP_FFO ? Format::Ffo : Format::Fab;
    std::string ende = name.size() >= 4 ? name.substr(name.size() - 4) : "";
    for (char& c : ende) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ende == ".VGL") return Format::Vgl;
    return std::nullopt;
}

// Collects the gaps: c counts the correct bits since the last error plus one.
class Sammler {
public:
    explicit Sammler(std::uint64_t erwartet = 0) {
        folge_.abstaende.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(erwartet, std::uint64_t{1} << 27)));
    }
    void fehler(std::uint64_t g) {
        if (g > std::numeric_limits<std::uint32_t>::max()) zuLang_ = true;
        folge_.abstaende.push_back(static_cast<std::uint32_t>(std::min<std::uint64_t>(g, std::numeric_limits<std::uint32_t>::max())));
        folge_.bits += g;
    }
    bool zuLang() const { return zuLang_; }
    Abstandsfolge ende(std::uint64_t rest) {
        folge_.rest = rest;
        folge_.bits += rest;
        return std::move(folge_);
    }

private:
    Abstandsfolge folge_;
    bool zuLang_ = false;
};

Folgeneingabe fehler(std::string text, bool abgelehnt = false) {
    Folgeneingabe e;
    e.abgelehnt = abgelehnt;
    e.meldung = {std::move(text), TITEL_PROGRAMM, Symbol::Ausrufezeichen};
    return e;
}

Folgeneingabe abgebrochen() {
    Folgeneingabe e = fehler(TEXT_FOLGE_ABGEBROCHEN);
    e.abgebrochen = true;
    e.meldung.symbol = Symbol::Information;
    return e;
}

Folgeneingabe fertig(Sammler& s, std::uint64_t rest) {
    if (s.zuLang()) return fehler(TEXT_ABSTAND_ZU_LANG);
    Folgeneingabe e;
    e.ok = true;
    e.folge = s.ende(rest);
    return e;
}

// "0" and "1" characters (the reader let no other through).
Folgeneingabe ffoLesen(FfoLeser& in, Fortschritt& f) {
    Sammler s;
    std::uint64_t c = 1;
    Schritte schritte = Schritte::prozent(in.zeichen());
    for (auto b = in.naechster(); !b.empty(); b = in.naechster()) {
        schritte.bis(in.gelesen(), f);
        if (f.abgebrochen()) return abgebrochen();
        const unsigned char* p = b.data();
        const unsigned char* ende = p + b.size();
        while (p < ende) {
            const auto* eins = static_cast<const unsigned char*>(std::memchr(p, FFO_FEHLER, static_cast<std::size_t>(ende - p)));
            if (!eins) {
                c += static_cast<std::uint64_t>(ende - p);
                break;
            }
            s.fehler(c + static_cast<std::uint64_t>(eins - p));
            c = 1;
            p = eins + 1;
        }
    }
    return fertig(s, c - 1);
}

Folgeneingabe fabLesen(FabLeser& in, const std::string& pfad, Fortschritt& f) {
    Sammler s(in.eintraege());
    Schritte schritte(in.eintraege() / 100, 0);
    std::int32_t g;
    while (in.naechster(g)) {
        if ((in.gelesen() & 0xFFFF) == 0) {
            schritte.bis(in.gelesen(), f);
            if (f.abgebrochen()) return abgebrochen();
        }
        s.fehler(static_cast<std::uint64_t>(g));
    }
    Folgeneingabe e = fertig(s, 0);
    e.hinweise = fabHinweise(in, pfad);
    return e;
}

Folgeneingabe vglLesen(Blockleser& in, Fortschritt& f) {
    Sammler s;
    std::uint64_t c = 1;
    Schritte schritte(in.groesse() / 100, 1);
    for (auto b = in.naechster(); !b.empty(); b = in.naechster()) {
        schritte.bis(in.gelesen(), f);
        if (f.abgebrochen()) return abgebrochen();
        bitAbstaende(b, c, [&](std::uint64_t g) { s.fehler(g); });
    }
    return fertig(s, c - 1);
}

Folgeneingabe nachLesefehler(Lesestand stand, int fehlernummer, const std::string& pfad, const FfoLeser* ffo) {
    if (stand == Lesestand::Ungueltig && ffo) return fehler(ffo->ungueltigText(pfad));
    return fehler(mitGrund(format(TEXT_LESEN_DATEI, pfad.c_str()), fehlernummer));
}

// Gaps of a gap procedure over exactly n bits: a gap that passes the end is the rest.
template <class Quelle>
Folgeneingabe abstaendeErzeugen(Quelle& q, std::uint64_t n, Fortschritt& f) {
    Sammler s;
    Schritte schritte = Schritte::prozent(n);
    std::uint64_t pos = 0;
    for (std::uint64_t i = 0;; ++i) {
        const auto g = static_cast<std::uint64_t>(std::max<long>(q.naechster().g, 1));
        if (g > n - pos) return fertig(s, n - pos);
        s.fehler(g);
        pos += g;
        if ((i & 0xFFFF) == 0) {
            schritte.bis(pos, f);
            if (f.abgebrochen()) return abgebrochen();
        }
    }
}

// A bit procedure over exactly n bits.
template <class Quelle>
Folgeneingabe bitsErzeugen(Quelle& q, std::uint64_t n, Fortschritt& f) {
    Sammler s;
    Schritte schritte = Schritte::prozent(n);
    std::uint64_t c = 1;
    for (std::uint64_t i = 0; i < n;) {
        schritte.bis(i + 1, f);
        if (f.abgebrochen()) return abgebrochen();
        for (const std::uint64_t ende = std::min(n, i + (std::uint64_t{1} << 16)); i < ende; ++i) {
            if (q.bit()) {
                s.fehler(c);
                c = 1;
            } else {
                ++c;
            }
        }
    }
    return fertig(s, c - 1);
}

Folgeneingabe folgeLesenOhneGrenze(const std::string& pfad, Fortschritt& f) {
    const auto format = formatVon(pfad);
    if (!format) return fehler(std::string(TEXT_KEIN_GUELTIGER_DATEINAME) + "\n" + TEXT_KEINE_FOLGENDATEI, true);
    Blockleser probe(pfad, 1);
    if (!probe.offen()) return fehler(mitGrund(std::string(TEXT_NICHT_GELESEN) + " (" + pfad + ")", probe.fehlernummer()));
    if (probe.groesse() == 0) return fehler(std::string(TEXT_LAENGE_NULL) + "\n" + pfad, true);

    Fortschrittsrahmen rahmen(f, pfad, TEXT_WIRD_GELESEN);
    switch (*format) {
    case Format::Ffo: {
        FfoLeser in(pfad);
        Folgeneingabe e = ffoLesen(in, f);
        return e.ok && !in.gut() ? nachLesefehler(in.stand(), in.fehlernummer(), pfad, &in) : e;
    }
    case Format::Fab: {
        FabLeser in(pfad);
        Folgeneingabe e = fabLesen(in, pfad, f);
        return e.ok && !in.gut() ? nachLesefehler(in.stand(), in.fehlernummer(), pfad, nullptr) : e;
    }
    case Format::Vgl: {
        Blockleser in(pfad);
        Folgeneingabe e = vglLesen(in, f);
        return e.ok && in.fehler() ? nachLesefehler(Lesestand::Lesefehler, in.fehlernummer(), pfad, nullptr) : e;
    }
    }
    return {};
}

Folgeneingabe folgeVonSatzOhneGrenze(const Satzparameter& p, Fortschritt& f) {
    if (p.art == Modellart::Datei) return folgeLesen(p.Datei.szFileName, f);
    if (p.art == Modellart::Inaktiv) return fehler(format(TEXT_SATZ_INAKTIV, p.satz + 1), true);
    const std::uint64_t n = p.Durchlaeufe;
    const float* wert = p.Wert.data();
    Fortschrittsrahmen rahmen(f, format("Fehlerfolge von Parametersatz %d", p.satz + 1), TEXT_WIRD_ERZEUGT);
    switch (p.art) {
    case Modellart::BSC:
        if (p.BSC_simfabs == 0) {
            BscBitQuelle q(wert);
            return bitsErzeugen(q, n, f);
        } else {
            BscAbstandQuelle q(wert);
            return abstaendeErzeugen(q, n, f);
        }
    case Modellart::GE: {
        GeBitQuelle q(wert);
        return bitsErzeugen(q, n, f);
    }
    case Modellart::MC: {
        McAbstandQuelle q(wert);
        return abstaendeErzeugen(q, n, f);
    }
    default: {
        SwAbstandQuelle q(wert, SwStart::Zustand);
        return abstaendeErzeugen(q, n, f);
    }
    }
}

}  // namespace

// A sequence whose gaps do not fit in memory is refused, not a crash.
Folgeneingabe folgeLesen(const std::string& pfad, Fortschritt& f) {
    try {
        return folgeLesenOhneGrenze(pfad, f);
    } catch (const std::bad_alloc&) {
        return fehler(TEXT_FOLGE_ZU_GROSS);
    }
}

Folgeneingabe folgeVonSatz(const Satzparameter& p, Fortschritt& f) {
    try {
        return folgeVonSatzOhneGrenze(p, f);
    } catch (const std::bad_alloc&) {
        return fehler(TEXT_FOLGE_ZU_GROSS);
    }
}

}  // namespace zor
