#include "app/plot/renderaufruf.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "app/plot/bildausgabe.h"
#include "core/buendel/grenzen.h"
#include "core/models/vorgaben.h"

namespace zor {
namespace {

using Geltung = unsigned;
constexpr Geltung bit(Renderziel z) { return 1u << static_cast<unsigned>(z); }
constexpr Geltung PROTOKOLL = bit(Renderziel::Protokoll);
constexpr Geltung KURVEN =
    bit(Renderziel::FAV) | bit(Renderziel::FKF) | bit(Renderziel::DruckFAV) | bit(Renderziel::DruckFKF) | PROTOKOLL;
constexpr Geltung KURVENBILDER = bit(Renderziel::FAV) | bit(Renderziel::FKF);
constexpr Geltung FAV_ARTEN = bit(Renderziel::FAV) | bit(Renderziel::DruckFAV);
constexpr Geltung ANPASSUNG = bit(Renderziel::Anpassung);
constexpr Geltung BUENDEL = bit(Renderziel::Buendel);
constexpr Geltung BLOECKE = bit(Renderziel::Bloecke);
constexpr Geltung DOKUMENTE =
    KURVEN | PROTOKOLL | BUENDEL | BLOECKE | bit(Renderziel::FF) | bit(Renderziel::PAR) | bit(Renderziel::DruckFF);
constexpr Geltung BILDER = bit(Renderziel::Vorlage) | bit(Renderziel::FF) | bit(Renderziel::PAR) | bit(Renderziel::FAV) |
                           bit(Renderziel::FKF) | ANPASSUNG | BUENDEL | BLOECKE;
constexpr Geltung VORLAGE = bit(Renderziel::Vorlage);
constexpr Geltung UEBERALL = ~0u;

struct Zielname {
    Renderziel ziel;
    const char* name;
    std::vector<Bildformat> formate;
};
const std::vector<Zielname>& zielnamen() {
    static const std::vector<Zielname> t = {
        {Renderziel::Alle, "--alle", {}},
        {Renderziel::Vorlage, "eine Vorlage", {Bildformat::PNG}},
        {Renderziel::FF, "ff", {Bildformat::PNG, Bildformat::SVG, Bildformat::PDF, Bildformat::Text}},
        {Renderziel::PAR, "par", {Bildformat::PNG, Bildformat::SVG, Bildformat::PDF}},
        {Renderziel::FAV, "fav", {Bildformat::PNG, Bildformat::SVG, Bildformat::PDF, Bildformat::CSV}},
        {Renderziel::FKF, "fkf", {Bildformat::PNG, Bildformat::SVG, Bildformat::PDF, Bildformat::CSV}},
        {Renderziel::DruckFF, "druck-ff", {Bildformat::PDF}},
        {Renderziel::DruckFAV, "druck-fav", {Bildformat::PDF}},
        {Renderziel::DruckFKF, "druck-fkf", {Bildformat::PDF}},
        {Renderziel::Anpassung, "anpassung", {Bildformat::PNG, Bildformat::SVG, Bildformat::PDF, Bildformat::CSV}},
        {Renderziel::Buendel, "buendel", {Bildformat::PNG, Bildformat::SVG, Bildformat::PDF, Bildformat::CSV}},
        {Renderziel::Bloecke, "bloecke", {Bildformat::PNG, Bildformat::SVG, Bildformat::PDF, Bildformat::CSV}},
        {Renderziel::Protokoll, "protokoll", {Bildformat::PDF}},
    };
    return t;
}
const Zielname& zielname(Renderziel z) { return zielnamen()[static_cast<std::size_t>(z)]; }

const char* endung(Bildformat f) {
    switch (f) {
    case Bildformat::PNG: return ".png";
    case Bildformat::SVG: return ".svg";
    case Bildformat::PDF: return ".pdf";
    case Bildformat::Text: return ".txt";
    case Bildformat::CSV: return ".csv";
    case Bildformat::Unbekannt: break;
    }
    return "";
}

// "a, b oder c"
std::string aufzaehlung(const std::vector<std::string>& teile) {
    std::string s;
    for (std::size_t i = 0; i < teile.size(); ++i)
        s += (i == 0 ? "" : i + 1 == teile.size() ? " oder " : ", ") + teile[i];
    return s;
}

std::string zahlFehler(const QString& wert, const char* was) {
    return "„" + wert.toStdString() + "“ ist " + was + ".";
}

std::optional<int> ganzeZahl(const QString& wert, int von, int bis) {
    bool ok = false;
    const int v = wert.toInt(&ok);
    return ok && v >= von && v <= bis ? std::optional(v) : std::nullopt;
}

std::string linLog(const QString& wert, bool& log) {
    if (wert != "lin" && wert != "log") return zahlFehler(wert, "weder lin noch log");
    log = wert == "log";
    return {};
}

std::string satzLesen(const QString& wert, Renderauftrag& a, int satz) {
    if (wert != "aus" && !vorgabe(wert.toStdString())) return "Unbekannte Vorgabe „" + wert.toStdString() + "“ (bsc1 … sw2 oder aus).";
    a.satz[satz] = wert;
    return {};
}

// A whole number within the limits the options dialog of the document keeps.
std::string grenzeLesen(const QString& w, const Grenze& g, std::uint64_t& ziel) {
    const auto v = ganzeZahlIn(w.toStdString(), g);
    if (!v) return zahlFehler(w, ("keine ganze Zahl von " + std::to_string(g.von) + " bis " + std::to_string(g.bis)).c_str());
    ziel = *v;
    return {};
}

std::string grenzeLesen(const QString& w, const Grenze& g, int& ziel) {
    std::uint64_t v = 0;
    std::string grund = grenzeLesen(w, g, v);
    if (grund.empty()) ziel = static_cast<int>(v);
    return grund;
}

// One option: its value's name (nullptr: a switch), help, the drawings it applies to and
// its parser, which returns a German reason when it refuses the value.
struct Option {
    const char* name;
    const char* wert;
    const char* hilfe;
    Geltung geltung;
    std::string (*lesen)(const QString& wert, Renderauftrag& a);
};

const std::vector<Option>& optionen() {
    static const std::vector<Option> t = {
        {"help", nullptr, "Diese Hilfe zeigen.", UEBERALL,
         [](const QString&, Renderauftrag& a) {
             a.hilfe = true;
             return std::string();
         }},
        {"alle", "VERZEICHNIS", "Alle Vorlagen und Diagramme als PNG in das Verzeichnis zeichnen.", UEBERALL,
         [](const QString& w, Renderauftrag& a) {
             a.alle = w;
             return std::string();
         }},
        {"dokument", "ART",
         "Ein Dokument zeichnen: ff, par, fav, fkf, anpassung, buendel, bloecke, die gedruckte Seite druck-ff, "
         "druck-fav, druck-fkf oder das Versuchsprotokoll protokoll.",
         UEBERALL, nullptr},  // read first: it decides what the other options apply to
        {"start", "VERZEICHNIS", "Vorlagen zuerst hier suchen (wie im Startverzeichnis des Programms).", UEBERALL,
         [](const QString& w, Renderauftrag& a) {
             a.start = w;
             return std::string();
         }},
        {"text", "ZEICHEN", "Auswahlzeichen der t-Sätze (Vorgabe a).", VORLAGE,
         [](const QString& w, Renderauftrag& a) {
             if (w.size() != 1 || w.at(0).unicode() > 0x7f) return zahlFehler(w, "kein einzelnes Zeichen");
             a.text = static_cast<char>(w.at(0).unicode());
             return std::string();
         }},
        {"textfarbe", "N", "0: erste, 1: zweite Farbe der b-Sätze.", VORLAGE,
         [](const QString& w, Renderauftrag& a) {
             const auto n = ganzeZahl(w, 0, 1);
             if (!n) return zahlFehler(w, "weder 0 noch 1");
             a.textfarbe = *n;
             return std::string();
         }},
        {"werte", "LISTE", "Zahlenwerte der t-Sätze, durch Kommas getrennt (Dezimalpunkt).", VORLAGE,
         [](const QString& w, Renderauftrag& a) {
             a.werte.clear();
             for (const auto& teil : w.split(',')) {
                 bool ok = false;
                 const float v = teil.toFloat(&ok);
                 if (!ok || !std::isfinite(v)) return zahlFehler(teil, "keine Zahl");
                 a.werte.push_back(v);
             }
             return std::string();
         }},
        {"groesse", "BxH", "Bildgröße in Pixeln (Vorgabe 900x600).", BILDER,
         [](const QString& w, Renderauftrag& a) {
             const QStringList m = w.split('x');
             const auto b = m.size() == 2 ? ganzeZahl(m[0], 1, 1 << 30) : std::nullopt;
             const auto h = m.size() == 2 ? ganzeZahl(m[1], 1, 1 << 30) : std::nullopt;
             if (!b || !h) return zahlFehler(w, "keine Größe BxH aus zwei ganzen Zahlen ab 1");
             a.groesse = QSize(*b, *h);
             return groesseVerweigert(a.groesse).value_or(std::string());
         }},
        {"anordnung", "ART", "Abbildung der Vorlage: dokument, par, mar oder druck.", VORLAGE,
         [](const QString& w, Renderauftrag& a) {
             if (!QStringList{"dokument", "par", "mar", "druck"}.contains(w))
                 return zahlFehler(w, "keine Anordnung (dokument, par, mar oder druck)");
             a.anordnung = w;
             return std::string();
         }},
        {"versuch", "DATEI",
         "Beide Parametersätze und die Optionen von fav und fkf aus einer Versuchsdatei (.zorversuch); "
         "ausdrücklich angegebene Optionen gelten vor ihr.",
         DOKUMENTE,
         [](const QString& w, Renderauftrag& a) {
             a.versuch = w;
             return std::string();
         }},
        {"satz1", "NAME", "Parametersatz 1: Vorgabe (bsc1 … sw2) oder aus.", DOKUMENTE,
         [](const QString& w, Renderauftrag& a) { return satzLesen(w, a, 0); }},
        {"satz2", "NAME", "Parametersatz 2: Vorgabe (bsc1 … sw2) oder aus.", DOKUMENTE,
         [](const QString& w, Renderauftrag& a) { return satzLesen(w, a, 1); }},
        {"datei1", "DATEI", "Parametersatz 1 aus einer FFO- oder FAB-Datei.", DOKUMENTE,
         [](const QString& w, Renderauftrag& a) {
             a.datei[0] = w;
             return std::string();
         }},
        {"datei2", "DATEI", "Parametersatz 2 aus einer FFO- oder FAB-Datei.", DOKUMENTE,
         [](const QString& w, Renderauftrag& a) {
             a.datei[1] = w;
             return std::string();
         }},
        {"datei", "DATEI", "Die Fehlerfolge der Modellanpassung: FFO, FAB oder VGL.", ANPASSUNG,
         [](const QString& w, Renderauftrag& a) {
             a.folge = w;
             return std::string();
         }},
        {"abszisse", "ART", "Abszisse lin oder log.", FAV_ARTEN | BUENDEL,
         [](const QString& w, Renderauftrag& a) { return linLog(w, a.abszisseLog); }},
        {"ordinate", "ART", "Ordinate lin oder log.", KURVEN | ANPASSUNG | BUENDEL | BLOECKE,
         [](const QString& w, Renderauftrag& a) { return linLog(w, a.ordinateLog); }},
        {"ak", nullptr, "p(a=k) statt P(a>=k) zeigen (buendel: p(X=k)).", FAV_ARTEN | BUENDEL,
         [](const QString&, Renderauftrag& a) {
             a.ak = true;
             return std::string();
         }},
        {"merkmal", "ART", "Bündel: laenge, gewicht oder abstand (Vorgabe laenge).", BUENDEL,
         [](const QString& w, Renderauftrag& a) {
             const QStringList namen{"laenge", "gewicht", "abstand"};
             if (!namen.contains(w)) return zahlFehler(w, "weder laenge, gewicht noch abstand");
             a.buendel.bild = static_cast<Buendelbild>(namen.indexOf(w));
             return std::string();
         }},
        {"schutz", "G", "Schutzabstand g zwischen Bündeln (Vorgabe 10).", BUENDEL,
         [](const QString& w, Renderauftrag& a) { return grenzeLesen(w, GRENZE_SCHUTZ, a.buendel.buendel.schutz); }},
        {"rest", nullptr, "Restblockfehler P(>t) über n statt P(m,n).", BLOECKE,
         [](const QString&, Renderauftrag& a) {
             a.buendel.bild = Buendelbild::Restfehler;
             return std::string();
         }},
        {"block", "N", "Blocklänge n von P(m,n) (Vorgabe 63).", BLOECKE,
         [](const QString& w, Renderauftrag& a) { return grenzeLesen(w, GRENZE_BLOCK, a.buendel.block.n); }},
        {"fehler", "M", "P(m,n) für m = 0..M (Vorgabe 10).", BLOECKE,
         [](const QString& w, Renderauftrag& a) { return grenzeLesen(w, GRENZE_FEHLER, a.buendel.block.M); }},
        {"korrektur", "T", "korrigierbare Fehler t des Restblockfehlers (Vorgabe 2).", BLOECKE,
         [](const QString& w, Renderauftrag& a) { return grenzeLesen(w, GRENZE_KORREKTUR, a.buendel.block.t); }},
        {"tiefe", "D", "Verschachtelungstiefe d (Vorgabe 1 = ohne).", BLOECKE,
         [](const QString& w, Renderauftrag& a) { return grenzeLesen(w, GRENZE_TIEFE, a.buendel.block.tiefe); }},
        {"punkte", "D", "fav: Punkte, fkf: höchster Abstand D, 20 bis 100.", KURVEN,
         [](const QString& w, Renderauftrag& a) {
             a.punkte = ganzeZahl(w, 20, 100);
             return a.punkte ? std::string() : zahlFehler(w, "keine ganze Zahl von 20 bis 100");
         }},
        {"cursor", "K", "Messcursor an Position K zeigen.", KURVEN,
         [](const QString& w, Renderauftrag& a) {
             a.cursor = ganzeZahl(w, 0, 1 << 30);
             return a.cursor ? std::string() : zahlFehler(w, "keine ganze Zahl ab 0");
         }},
        {"legende", "ORT", "Legende und Bildunterschrift: oben, unten (rechts) oder keine (Vorgabe, wie im Fenster).",
         KURVENBILDER,
         [](const QString& w, Renderauftrag& a) {
             for (const Legendenwahl& l : LEGENDENORTE)
                 if (w == QLatin1String(l.kennung)) {
                     a.legende = l.ort;
                     return std::string();
                 }
             return zahlFehler(w, "kein Ort der Legende (oben, unten oder keine)");
         }},
        {"name", "TEXT", "Name im Protokoll.", PROTOKOLL,
         [](const QString& w, Renderauftrag& a) {
             a.name = w;
             return std::string();
         }},
        {"notizen", "TEXT", "Notizen im Protokoll (\\n trennt Zeilen).", PROTOKOLL,
         [](const QString& w, Renderauftrag& a) {
             a.notizen = QString(w).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
             return std::string();
         }},
        {"band", nullptr, "Konfidenzband der simulierten Kurven zeigen.", KURVEN,
         [](const QString&, Renderauftrag& a) {
             a.band = true;
             return std::string();
         }},
    };
    return t;
}

const Option* finde(const QString& name) {
    for (const auto& o : optionen())
        if (name == QLatin1String(o.name)) return &o;
    return nullptr;
}

struct Angabe {
    const Option* option;
    QString wert;
};

// Splits the arguments into options with their values and positional arguments.
std::string zerlegen(const QStringList& args, std::vector<Angabe>& angaben, QStringList& positionale) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == "--") {
            positionale += args.mid(i + 1);
            break;
        }
        if (!arg.startsWith('-') || arg == "-") {
            positionale += arg;
            continue;
        }
        const bool lang = arg.startsWith("--");
        const qsizetype gleich = arg.indexOf('=');
        const QString name = arg == "-h" ? QString("help") : lang ? arg.mid(2, gleich < 0 ? -1 : gleich - 2) : QString();
        const Option* o = name.isEmpty() ? nullptr : finde(name);
        if (!o) return "Unbekannte Option: " + arg.toStdString() + " (zorwerk-render --help zeigt alle).";
        const std::string kennung = std::string("--") + o->name;
        if (!o->wert) {
            if (gleich >= 0) return "Die Option " + kennung + " nimmt keinen Wert.";
            angaben.push_back({o, {}});
        } else if (gleich >= 0) {
            angaben.push_back({o, arg.mid(gleich + 1)});
        } else if (i + 1 < args.size()) {
            angaben.push_back({o, args[++i]});
        } else {
            return "Der Option " + kennung + " fehlt ihr Wert " + o->wert + ".";
        }
    }
    return {};
}

std::string zielBestimmen(const std::vector<Angabe>& angaben, Renderauftrag& a) {
    bool alle = false, dokument = false;
    for (const auto& x : angaben) {
        if (x.option->name == std::string_view("alle")) alle = true;
        if (x.option->name != std::string_view("dokument")) continue;
        dokument = true;
        const auto& t = zielnamen();
        const auto it = std::find_if(t.begin(), t.end(), [&](const Zielname& z) {
            return z.ziel >= Renderziel::FF && x.wert == QLatin1String(z.name);
        });
        if (it == t.end())
            return "Unbekanntes Dokument „" + x.wert.toStdString() +
                   "“ (ff, par, fav, fkf, anpassung, buendel, bloecke, druck-ff, druck-fav, druck-fkf oder protokoll).";
        a.ziel = it->ziel;
    }
    if (alle && dokument) return "--alle und --dokument schließen einander aus.";
    if (alle) a.ziel = Renderziel::Alle;
    return {};
}

std::string gilt(Geltung g, Renderziel ausser) {
    std::vector<std::string> namen;
    for (const auto& z : zielnamen())
        if (z.ziel != ausser && (g & bit(z.ziel))) namen.emplace_back(z.name);
    return aufzaehlung(namen);
}

std::string ausgabePruefen(const QStringList& pos, Renderauftrag& a) {
    const std::size_t noetig = a.ziel == Renderziel::Alle ? 0 : a.ziel == Renderziel::Vorlage ? 2 : 1;
    if (static_cast<std::size_t>(pos.size()) != noetig) {
        static const char* const erwartet[] = {"keine weiteren Argumente", "die Ausgabedatei", "den Namen der Vorlage und die Ausgabedatei"};
        return std::string("Falsche Zahl der Argumente: erwartet ") + erwartet[noetig] + ", erhalten " +
               std::to_string(pos.size()) + " (zorwerk-render --help zeigt den Aufruf).";
    }
    if (noetig == 0) return {};
    a.ausgabe = pos.back();
    if (noetig == 2) a.vorlage = pos.front();
    const auto& formate = zielname(a.ziel).formate;
    if (std::find(formate.begin(), formate.end(), formatVon(a.ausgabe)) != formate.end()) return {};
    std::vector<std::string> endungen;
    for (const auto f : formate) endungen.emplace_back(endung(f));
    return "Die Ausgabe " + a.ausgabe.toStdString() + " hat keine passende Endung: " + zielname(a.ziel).name +
           " wird als " + aufzaehlung(endungen) + " geschrieben.";
}

}  // namespace

Renderaufruf renderArgumente(const QStringList& args) {
    std::vector<Angabe> angaben;
    QStringList positionale;
    Renderauftrag a;
    std::string fehler = zerlegen(args, angaben, positionale);
    if (fehler.empty()) fehler = zielBestimmen(angaben, a);
    for (const auto& x : angaben) {
        if (!fehler.empty()) break;
        if (!(x.option->geltung & bit(a.ziel))) {
            fehler = std::string("Die Option --") + x.option->name + " gilt nicht für " + zielname(a.ziel).name +
                     " (nur für " + gilt(x.option->geltung, a.ziel) + ").";
        } else if (x.option->lesen) {
            a.gegeben << QLatin1String(x.option->name);
            const std::string grund = x.option->lesen(x.wert, a);
            if (!grund.empty()) fehler = std::string("Fehleingabe bei --") + x.option->name + ": " + grund;
        }
    }
    if (a.hilfe) return {a, {}};
    // The blocks start on P(m, n) unless --rest chose the residual curve.
    if (a.ziel == Renderziel::Bloecke && !a.buendel.bloecke()) a.buendel.bild = Buendelbild::Verteilung;
    if (fehler.empty()) fehler = ausgabePruefen(positionale, a);
    if (fehler.empty() && a.ziel == Renderziel::Anpassung && a.folge.isEmpty())
        fehler = "Die Modellanpassung braucht ihre Fehlerfolge: --datei DATEI.";
    if (!fehler.empty()) return {std::nullopt, fehler};
    return {a, {}};
}

std::string renderHilfe() {
    std::string s =
        "Aufruf: zorwerk-render [OPTIONEN] VORLAGE AUSGABE\n"
        "        zorwerk-render --dokument ART [OPTIONEN] AUSGABE\n"
        "        zorwerk-render --alle VERZEICHNIS\n"
        "Zeichnet Plotvorlagen und die Dokumente von Zorwerk und Multimedia ohne Fenster.\n"
        "Eine Vorlage (z. B. FKF.PLT) wird als PNG geschrieben, ein Dokument als PNG, SVG oder PDF, ff\n"
        "auch als TXT, fav, fkf, anpassung, buendel und bloecke auch als CSV, gedruckte Seiten und das\n"
        "Protokoll nur als PDF.\n"
        "Eine falsche Angabe endet mit Status 2, eine misslungene Zeichnung mit 1.\n\nOptionen:\n";
    for (const auto& o : optionen()) {
        std::string kopf = std::string("  --") + o.name + (o.wert ? std::string(" ") + o.wert : "");
        if (kopf.size() < 24) kopf.resize(24, ' ');
        s += kopf + " " + o.hilfe;
        if (o.geltung != UEBERALL) s += " Gilt für " + gilt(o.geltung, Renderziel::Alle) + ".";
        s += "\n";
    }
    return s;
}

}  // namespace zor
