// Developer tool: renders plot templates and the channel-model documents offscreen, so
// they can be checked without starting the program. Either every scene (all templates
// with every selector, the curve diagrams with sample curves), one template with given
// values, or a document's real painting (or its printed page) for the start values or
// presets.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <new>
#include <vector>

#include "app/plot/bildausgabe.h"
#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"
#include "app/plot/vorlagen.h"
#include "app/plot/vorschau.h"
#include "core/dokumente/kurven_csv.h"
#include "core/models/kurven_ermitteln.h"
#include "core/models/optionseingabe.h"
#include "core/models/vorgaben.h"
#include "core/io/signale.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/systemfehler.h"

namespace {

zor::Abbildung abbildungFuer(const QString& anordnung, QSize g) {
    if (anordnung == "par") return zor::parAbbildungEinzeln(g);
    if (anordnung == "mar") return zor::marAbbildung(g);
    if (anordnung == "druck") return zor::druckkopfAbbildung(g);
    return zor::Abbildung::fenstereigenschaften(g.width(), g.height());
}

int alleMalen(const QString& ziel, const zor::Vorlagenquelle& quelle) {
    QDir().mkpath(ziel);
    int fehler = 0;
    for (const auto& szene : zor::alleSzenen(zor::startZustand())) {
        int f = 0;
        const QString datei = QDir(ziel).filePath(szene.name + ".png");
        if (!zor::bildSpeichern(datei, zor::szeneMalen(szene, quelle, &f), {})) ++f;
        std::printf("%s %s\n", f == 0 ? "ok    " : "FEHLER", qPrintable(datei));
        fehler += f;
    }
    return fehler == 0 ? 0 : 1;
}

// The state the options describe: start values, presets, "aus" or a file per set.
bool zustandSetzen(const QCommandLineParser& p, zor::ZorState& s) {
    for (int satz = 0; satz < 2; ++satz) {
        const QString datei = QStringLiteral("datei%1").arg(satz + 1), modell = QStringLiteral("satz%1").arg(satz + 1);
        if (p.isSet(datei)) {
            const auto e = zor::Load(s, satz, p.value(datei).toStdString());
            if (e.art != zor::LadenErgebnis::Art::Erfolg) {
                // The system's reason too (a pipe, a folder), as zor says it.
                for (const auto& m : e.meldungen)
                    std::fprintf(stderr, "%s\n", zor::mitGrund(m.text, e.fehlernummer).c_str());
                return false;
            }
        } else if (p.isSet(modell)) {
            const QString name = p.value(modell);
            if (name == "aus") {
                zor::modellVon(s, satz) = zor::INAKTIV;
            } else if (const auto v = zor::vorgabe(name.toStdString())) {
                zor::vorgabeSetzen(s, satz, *v);
            } else {
                std::fprintf(stderr, "Unbekannte Vorgabe: %s\n", qPrintable(name));
                return false;
            }
        }
    }
    s.Modell.inaktiv = s.Modell.M1 == 0 && s.Modell.M2 == 0;
    return true;
}

// Computes the curves a document of this kind shows; their messages go to stderr.
void kurvenVorbereiten(zor::ZorState& s, zor::Druckart art) {
    zor::KeinFortschritt still;
    for (const auto& m : zor::druckKurvenErmitteln(s, art, still).meldungen) std::fprintf(stderr, "%s\n", m.text.c_str());
}

// The printed page of a document as a PDF, through the printing's own page.
int druckseiteSchreiben(zor::ZorState& s, zor::Druckart art, const QString& ausgabe, const zor::Vorlagenquelle& quelle) {
    if (zor::formatVon(ausgabe) != zor::Bildformat::PDF) {
        std::fprintf(stderr, "Druckseiten werden als PDF geschrieben: %s\n", qPrintable(ausgabe));
        return 2;
    }
    const zor::Eingaben geschuetzt = zor::satzDateien(s);
    if (const auto nein = zor::ausgabeVerweigert(ausgabe.toStdString(), geschuetzt)) {
        std::fprintf(stderr, "%s\n", nein->c_str());
        return 1;
    }
    kurvenVorbereiten(s, art);
    std::vector<zor::Meldung> meldungen;
    const auto e = zor::druckseiteSpeichern(
        ausgabe,
        [&](QPainter& maler, QSize seite) {
            meldungen = zor::druckseiteMalen(maler, seite, s, quelle, art).meldungen;
            return true;
        },
        geschuetzt);
    for (const auto& m : meldungen) std::fprintf(stderr, "%s\n", m.text.c_str());
    if (e == zor::Druckergebnis::Gedruckt) return 0;
    std::fprintf(stderr, "Die Datei %s kann nicht geschrieben werden!\n", qPrintable(ausgabe));
    return 1;
}

// The options dialog's settings of a curve document, checked and applied by its rules;
// false (with a message) when one is refused.
bool kurvenOptionen(const QCommandLineParser& p, zor::ZorState& s, bool fav) {
    for (const char* achse : {"abszisse", "ordinate"})
        if (p.value(achse) != "lin" && p.value(achse) != "log") {
            std::fprintf(stderr, "--%s ist lin oder log.\n", achse);
            return false;
        }
    const bool linksLog = p.value("abszisse") == "log", obenLog = p.value("ordinate") == "log";
    const auto waehle = [&](auto o) {
        o.ordinate = obenLog ? 0 : 1;
        o.band = p.isSet("band") ? 1 : 0;
        if (p.isSet("punkte")) o.texte.abszisse = p.value("punkte").toStdString();
        return o;
    };
    zor::Optionsfehler f;
    if (fav) {
        auto o = waehle(zor::favOptionen(s));
        o.abszisse = linksLog ? 0 : 1;
        o.AB = p.isSet("ak") ? 1 : 0;
        f = zor::favOptionenAnwenden(s, o);
    } else {
        f = zor::fkfOptionenAnwenden(s, waehle(zor::fkfOptionen(s)));
    }
    if (f != zor::Optionsfehler::Keiner) {
        std::fprintf(stderr, "Fehleingabe bei --punkte: ganze Zahl von 20 bis 100.\n");
        return false;
    }
    if (!p.isSet("cursor")) return true;
    const int k = p.value("cursor").toInt();
    // FAV points are 0 .. d - 1, FKF lags 0 .. D.
    const int hoechste = fav ? s.FAV_defbereich - 1 : s.FKF_defbereich;
    if (k < 0 || k > hoechste) {
        std::fprintf(stderr, "--cursor muss zwischen 0 und %d liegen.\n", hoechste);
        return false;
    }
    (fav ? s.Cursor.FAV : s.Cursor.FKF) = 1;
    (fav ? s.FAV_xpos : s.FKF_xpos) = k;
    return true;
}

// The curve document as the window paints it, or its curves as CSV.
zor::Ergebnis kurvenMalen(const QString& art, const QString& ausgabe, QSize g, zor::ZorState& s,
                          const zor::Vorlagenquelle& quelle) {
    const bool fav = art == "fav";
    kurvenVorbereiten(s, fav ? zor::Druckart::FAV : zor::Druckart::FKF);
    if (zor::formatVon(ausgabe) == zor::Bildformat::CSV)
        return zor::textSpeichern(ausgabe, fav ? zor::FAV_Csv(s) : zor::FKF_Csv(s), zor::satzDateien(s));
    return zor::bildSpeichern(
        ausgabe, g,
        [&](QPainter& maler) {
            if (fav)
                zor::favMalen(maler, g, s, quelle, 0);
            else
                zor::fkfMalen(maler, g, s, quelle, 0);
        },
        zor::satzDateien(s));
}

int dokumentMalen(const QCommandLineParser& p, const QString& ausgabe, QSize g, const zor::Vorlagenquelle& quelle) {
    zor::ZorState s = zor::startZustand();
    if (!zustandSetzen(p, s)) return 2;
    const QString art = p.value("dokument");
    if (art == "druck-ff") return druckseiteSchreiben(s, zor::Druckart::FF, ausgabe, quelle);
    // A printed curve page takes the same display options as its document.
    if (art == "druck-fkf" || art == "druck-fav") {
        const bool fav = art == "druck-fav";
        if (!kurvenOptionen(p, s, fav)) return 2;
        return druckseiteSchreiben(s, fav ? zor::Druckart::FAV : zor::Druckart::FKF, ausgabe, quelle);
    }
    zor::Ergebnis e;
    if (art == "fav" || art == "fkf") {
        if (!kurvenOptionen(p, s, art == "fav")) return 2;
        e = kurvenMalen(art, ausgabe, g, s, quelle);
    } else if (art == "ff" && zor::formatVon(ausgabe) == zor::Bildformat::Text) {
        QImage messen(1, 1, QImage::Format_RGB32);
        QPainter maler(&messen);
        e = zor::textSpeichern(ausgabe, zor::FF_Text(zor::ffInhalt(maler, g, s)), zor::satzDateien(s));
    } else if (art == "ff") {
        e = zor::bildSpeichern(ausgabe, g, [&](QPainter& maler) { zor::ffMalen(maler, g, s, 0); }, zor::satzDateien(s));
    } else if (art == "par") {
        e = zor::bildSpeichern(
            ausgabe, g, [&](QPainter& maler) { zor::parMalen(maler, QRect(QPoint(0, 0), g), quelle, s); },
            zor::satzDateien(s));
    } else {
        std::fprintf(stderr, "Unbekanntes Dokument: %s (ff, par, fav, fkf, druck-ff, druck-fkf oder druck-fav)\n", qPrintable(art));
        return 2;
    }
    if (!e) std::fprintf(stderr, "%s\n", e.meldung.text.c_str());
    return e ? 0 : 1;
}

int rendern(int argc, char** argv) {
    // Renders into images only, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription("Zeichnet Plotvorlagen in PNG-Dateien.");
    p.addHelpOption();
    p.addOptions({
        {"alle", "Alle Vorlagen und Diagramme in das Verzeichnis <dir> zeichnen.", "dir"},
        {"start", "Vorlagen zuerst in <dir> suchen (wie das Startverzeichnis).", "dir", "."},
        {"text", "Auswahlzeichen der t-Sätze.", "c", "a"},
        {"textfarbe", "0: erste, 1: zweite Farbe der b-Sätze.", "n", "0"},
        {"werte", "Zahlenwerte der t-Sätze, durch Kommas getrennt.", "liste"},
        {"groesse", "Bildgröße in Pixeln.", "BxH", "900x600"},
        {"anordnung", "dokument, par, mar oder druck.", "art", "dokument"},
        {"dokument", "Ein Dokument zeichnen: ff, par, fav oder fkf (ff auch als .txt, fav und fkf als .csv), "
                     "oder die gedruckte Seite druck-ff, druck-fkf oder druck-fav (als .pdf).", "art"},
        {"satz1", "Parametersatz 1: Vorgabe (bsc1 ... sw2) oder aus.", "name"},
        {"satz2", "Parametersatz 2: Vorgabe (bsc1 ... sw2) oder aus.", "name"},
        {"datei1", "Parametersatz 1 aus einer FFO- oder FAB-Datei.", "datei"},
        {"datei2", "Parametersatz 2 aus einer FFO- oder FAB-Datei.", "datei"},
        {"abszisse", "fav: Abszisse lin oder log.", "art", "lin"},
        {"ordinate", "fav, fkf: Ordinate lin oder log.", "art", "log"},
        {"ak", "fav: p(a=k) statt P(a>=k) zeigen."},
        {"punkte", "fav: Punkte, fkf: höchster Abstand D (20 bis 100).", "D"},
        {"cursor", "fav, fkf: Messcursor an Position K zeigen.", "K"},
        {"band", "fav, fkf: Konfidenzband der simulierten Kurven zeigen."},
    });
    p.addPositionalArgument("vorlage", "Name der Vorlage, z. B. FKF.PLT (nicht mit --dokument)");
    p.addPositionalArgument("ausgabe", "PNG-Datei (mit --dokument auch SVG, PDF, TXT oder CSV; Druckseiten als PDF)");
    p.process(app);

    const auto quelle = zor::programmVorlagen(p.value("start"));
    if (p.isSet("alle")) return alleMalen(p.value("alle"), quelle);

    const QStringList args = p.positionalArguments();
    const QStringList masse = p.value("groesse").split('x');
    if (masse.size() != 2) p.showHelp(2);
    const QSize g(masse[0].toInt(), masse[1].toInt());
    if (g.width() <= 0 || g.height() <= 0) p.showHelp(2);
    if (const auto zuGross = zor::groesseVerweigert(g)) {
        std::fprintf(stderr, "%s\n", zuGross->c_str());
        return 2;
    }
    if (p.isSet("dokument")) {
        if (args.size() != 1) p.showHelp(2);
        return dokumentMalen(p, args[0], g, quelle);
    }
    if (args.size() != 2 || p.value("text").size() != 1) p.showHelp(2);
    std::vector<float> werte;
    for (const auto& w : p.value("werte").split(',', Qt::SkipEmptyParts)) werte.push_back(w.toFloat());

    int ergebnis = 0;
    const QImage bild = zor::vorlageMalen(quelle, args[0].toStdString(), werte, p.value("textfarbe").toInt(),
                                          p.value("text").at(0).toLatin1(), abbildungFuer(p.value("anordnung"), g),
                                          g, &ergebnis);
    if (const zor::Ergebnis e = zor::bildSpeichern(args[1], bild, {}); !e) {
        std::fprintf(stderr, "%s\n", e.meldung.text.c_str());
        return 1;
    }
    if (ergebnis != 1) std::fprintf(stderr, "Fehlerhafte Plotdatei!\n");
    return ergebnis == 1 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Unfinished outputs vanish on TERM and INT; a file-size limit fails the write instead.
    zor::temporaereDateienBeiSignalEntfernen();
    try {
        return rendern(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s\n", zor::TEXT_SPEICHERMANGEL);
        return 1;
    }
}
