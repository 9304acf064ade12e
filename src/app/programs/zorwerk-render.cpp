// Developer tool: renders plot templates and the channel-model documents offscreen, so
// they can be checked without starting the program. Either every scene (all templates
// with every selector, the curve diagrams with sample curves), one template with given
// values, or a document's real painting (or its printed page) for the start values or
// presets.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <new>
#include <vector>

#include "app/plot/bildausgabe.h"

#include "app/plot/dokumentbilder.h"
#include "app/plot/druckseite.h"
#include "app/plot/protokoll.h"
#include "app/plot/renderaufruf.h"
#include "app/plot/vorlagen.h"
#include "app/plot/vorschau.h"
#include "core/anpassung/folge_lesen.h"
#include "core/documents/anpassung_tabelle.h"
#include "core/documents/kurven_csv.h"
#include "core/documents/kurven_malen.h"
#include "core/io/signale.h"
#include "core/models/kurven_ermitteln.h"
#include "core/models/optionseingabe.h"
#include "core/models/vorgaben.h"
#include "core/plot/aufzeichnende_leinwand.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/systemfehler.h"
#include "core/versuch/versuch.h"

namespace {

void melden(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

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
bool zustandSetzen(const zor::Renderauftrag& a, zor::ZorState& s) {
    for (int satz = 0; satz < 2; ++satz) {
        if (!a.datei[satz].isEmpty()) {
            const auto e = zor::Load(s, satz, a.datei[satz].toStdString());
            if (e.art != zor::LadenErgebnis::Art::Erfolg) {
                // The system's reason too (a pipe, a folder), as zor says it.
                for (const auto& m : e.meldungen) melden(zor::mitGrund(m.text, e.fehlernummer));
                return false;
            }
        } else if (a.satz[satz] == "aus") {
            zor::modellVon(s, satz) = zor::INAKTIV;
        } else if (!a.satz[satz].isEmpty()) {
            zor::vorgabeSetzen(s, satz, *zor::vorgabe(a.satz[satz].toStdString()));
        }
    }
    s.Modell.inaktiv = s.Modell.M1 == 0 && s.Modell.M2 == 0;
    return true;
}

// Computes the curves a document of this kind shows; their messages go to stderr. False
// when a curve could not be computed (a file that cannot be read).
bool kurvenVorbereiten(zor::ZorState& s, const zor::Druckart& art) {
    zor::KeinFortschritt still;
    const auto bericht = zor::druckKurvenErmitteln(s, art, still);
    for (const auto& m : bericht.meldungen) melden(m.text);
    return bericht.ok;
}

constexpr int ZEICHNUNG_MISSLUNGEN = 1;

// The printed page of a document as a PDF, through the printing's own page; a page with a
// faulty template is not written.
int druckseiteSchreiben(zor::ZorState& s, const zor::Druckart& art, const QString& ausgabe, const zor::Vorlagenquelle& quelle) {
    const zor::Eingaben geschuetzt = zor::satzDateien(s);
    if (const auto nein = zor::ausgabeVerweigert(ausgabe.toStdString(), geschuetzt)) {
        melden(*nein);
        return ZEICHNUNG_MISSLUNGEN;
    }
    if (!kurvenVorbereiten(s, art)) return ZEICHNUNG_MISSLUNGEN;
    zor::Druckbericht bericht;
    std::string grund;
    const auto e = zor::druckseiteSpeichern(
        ausgabe,
        [&](QPainter& maler, QSize seite) {
            bericht = zor::druckseiteMalen(maler, seite, s, quelle, art);
            return bericht.vorlagenFehler == 0;
        },
        geschuetzt, &grund);
    for (const auto& m : bericht.meldungen) melden(m.text);
    if (e == zor::Druckergebnis::Gedruckt) return 0;
    if (bericht.vorlagenFehler != 0) melden(zor::TEXT_FEHLERHAFTE_PLOTDATEI);
    else melden(grund.empty() ? "Die Datei " + ausgabe.toStdString() + " kann nicht geschrieben werden!" : grund);
    return ZEICHNUNG_MISSLUNGEN;
}

// The protocol of the sets the options describe, as the program writes it.
int protokollSchreiben(const zor::Renderauftrag& a, zor::ZorState& s, const zor::Vorlagenquelle& quelle) {
    const zor::Eingaben geschuetzt = zor::satzDateien(s);
    if (const auto nein = zor::ausgabeVerweigert(a.ausgabe.toStdString(), geschuetzt)) {
        melden(*nein);
        return ZEICHNUNG_MISSLUNGEN;
    }
    zor::KeinFortschritt still;
    const auto kurven = zor::protokollKurvenErmitteln(s, still);
    for (const auto& m : kurven.meldungen) melden(m.text);
    if (!kurven) return ZEICHNUNG_MISSLUNGEN;
    const zor::Protokollangaben angaben = zor::protokollangaben(a.name, a.notizen);
    QByteArray daten;
    zor::Druckbericht bericht;
    const auto e = zor::protokollAlsPdf(daten, s, quelle, angaben, bericht);
    for (const auto& m : bericht.meldungen) melden(m.text);
    if (e != zor::Druckergebnis::Gedruckt) {
        melden(bericht.vorlagenFehler ? zor::TEXT_FEHLERHAFTE_PLOTDATEI
                                      : "Das Protokoll kann nicht geschrieben werden!");
        return ZEICHNUNG_MISSLUNGEN;
    }
    const zor::Ergebnis r = zor::druckseiteSchreiben(a.ausgabe, daten, geschuetzt);
    if (!r) melden(r.meldung.text);
    return r ? 0 : ZEICHNUNG_MISSLUNGEN;
}

// The options dialog's settings of a curve document, checked and applied by its rules;
// false (with a message) when one is refused.
bool kurvenOptionen(const zor::Renderauftrag& a, zor::ZorState& s, bool fav) {
    // With an experiment, only the options named here change its settings.
    const auto gilt = [&](const char* option) {
        return a.versuch.isEmpty() || a.gegeben.contains(QLatin1String(option));
    };
    const auto waehle = [&](auto o) {
        if (gilt("ordinate")) o.ordinate = a.ordinateLog ? 0 : 1;
        if (gilt("band")) o.band = a.band ? 1 : 0;
        if (a.punkte) o.texte.abszisse = std::to_string(*a.punkte);
        return o;
    };
    zor::Optionsfehler f;
    if (fav) {
        auto o = waehle(zor::favOptionen(s));
        if (gilt("abszisse")) o.abszisse = a.abszisseLog ? 0 : 1;
        if (gilt("ak")) o.AB = a.ak ? 1 : 0;
        f = zor::favOptionenAnwenden(s, o);
    } else {
        f = zor::fkfOptionenAnwenden(s, waehle(zor::fkfOptionen(s)));
    }
    if (f != zor::Optionsfehler::Keiner) {
        melden("Fehleingabe bei --punkte: ganze Zahl von 20 bis 100.");
        return false;
    }
    if (!a.cursor) return true;
    // FAV points are 0 .. d - 1, FKF lags 0 .. D.
    const int hoechste = fav ? s.FAV_defbereich - 1 : s.FKF_defbereich;
    if (*a.cursor > hoechste) {
        melden("Fehleingabe bei --cursor: " + std::to_string(*a.cursor) + " liegt nicht zwischen 0 und " +
               std::to_string(hoechste) + ".");
        return false;
    }
    (fav ? s.Cursor.FAV : s.Cursor.FKF) = 1;
    (fav ? s.FAV_xpos : s.FKF_xpos) = *a.cursor;
    return true;
}

// Whether the diagram's templates draw completely: the same painting on a recording canvas.
bool kurvenVorlagenHeil(zor::ZorState& s, const zor::Vorlagenquelle& quelle, bool fav) {
    zor::AufzeichnendeLeinwand probe;
    if (fav)
        zor::FAV_Paint(probe, s, quelle, 0);
    else
        zor::FKF_Paint(probe, s, quelle, 0);
    const auto texte = probe.texte();
    return std::find(texte.begin(), texte.end(), zor::TEXT_FEHLERHAFTE_PLOTDATEI) == texte.end();
}

// The curve document as the window paints it, or its curves as CSV.
zor::Ergebnis kurvenMalen(bool fav, const QString& ausgabe, QSize g, zor::ZorState& s,
                          const zor::Vorlagenquelle& quelle, zor::Legendenort legende) {
    if (zor::formatVon(ausgabe) == zor::Bildformat::CSV)
        return zor::textSpeichern(ausgabe, fav ? zor::FAV_Csv(s) : zor::FKF_Csv(s), zor::satzDateien(s));
    if (!kurvenVorlagenHeil(s, quelle, fav)) return zor::Ergebnis::Fehler(zor::TEXT_FEHLERHAFTE_PLOTDATEI);
    return zor::bildSpeichern(
        ausgabe, g,
        [&](QPainter& maler) {
            if (fav)
                zor::favMalen(maler, g, s, quelle, 0);
            else
                zor::fkfMalen(maler, g, s, quelle, 0);
            zor::kurvenLegendeMalen(maler, g, s, fav, legende, 0);
        },
        zor::satzDateien(s));
}

// The document "Bündel und Blöcke" as the window paints it, or its curves as CSV.
int buendelZeichnen(const zor::Renderauftrag& a, const zor::ZorState& s) {
    zor::Buendeleinstellungen e = a.buendel;
    e.xLog = a.abszisseLog;
    e.yLog = a.ordinateLog;
    e.punktwahrscheinlichkeit = a.ak;
    zor::KeinFortschritt still;
    const zor::Buendeldaten d = zor::buendelBerechnen(zor::buendelAuftrag(s, e), still);
    for (const auto& m : d.meldungen) melden(m.text);
    if (!d.ok) return ZEICHNUNG_MISSLUNGEN;
    zor::Ergebnis erg = zor::formatVon(a.ausgabe) == zor::Bildformat::CSV
                            ? zor::textSpeichern(a.ausgabe, zor::buendelCsv(e, d), zor::satzDateien(s))
                            : zor::bildSpeichern(
                                  a.ausgabe, a.groesse,
                                  [&](QPainter& maler) { zor::buendelBildMalen(maler, a.groesse, s, e, d, 0); },
                                  zor::satzDateien(s));
    if (!erg) melden(erg.meldung.text);
    return erg ? 0 : ZEICHNUNG_MISSLUNGEN;
}

zor::Ergebnis parZeichnen(const QString& ausgabe, QSize g, const zor::ZorState& s, const zor::Vorlagenquelle& quelle) {
    // A trial on one pixel counts the templates that do not draw; nothing is written then.
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter probemaler(&probe);
    if (zor::parMalen(probemaler, QRect(QPoint(0, 0), g), quelle, s) != 0)
        return zor::Ergebnis::Fehler(zor::TEXT_FEHLERHAFTE_PLOTDATEI);
    return zor::bildSpeichern(
        ausgabe, g, [&](QPainter& maler) { zor::parMalen(maler, QRect(QPoint(0, 0), g), quelle, s); },
        zor::satzDateien(s));
}

// The model fit of a sequence file as the document shows it, or its table as CSV. A file
// the reader refuses is a bad argument (2), a sequence no model fits a failed drawing (1).
int anpassungMalen(const zor::Renderauftrag& a, const zor::Vorlagenquelle& quelle) {
    zor::KeinFortschritt still;
    const zor::Folgeneingabe e = zor::folgeLesen(a.folge.toStdString(), still);
    if (!e.ok) {
        melden(e.meldung.text);
        return e.abgelehnt ? 2 : ZEICHNUNG_MISSLUNGEN;
    }
    const zor::Anpassung fit = zor::anpassen(e.folge, {}, still);
    if (!fit.ok) {
        melden(fit.meldung.text);
        return ZEICHNUNG_MISSLUNGEN;
    }
    const zor::Eingaben geschuetzt{a.folge.toStdString()};
    const zor::Ergebnis r =
        zor::formatVon(a.ausgabe) == zor::Bildformat::CSV
            ? zor::textSpeichern(a.ausgabe, zor::Anpassung_Csv(fit), geschuetzt)
            : zor::bildSpeichern(
                  a.ausgabe, a.groesse,
                  [&](QPainter& maler) { zor::anpassungMalen(maler, a.groesse, fit, !a.ordinateLog, quelle); },
                  geschuetzt);
    if (!r) melden(r.meldung.text);
    return r ? 0 : ZEICHNUNG_MISSLUNGEN;
}

int dokumentMalen(const zor::Renderauftrag& a, const zor::Vorlagenquelle& quelle) {
    using Z = zor::Renderziel;
    zor::ZorState s = zor::startZustand();
    if (!a.versuch.isEmpty()) {
        // A refused experiment is a bad argument; its notes on unknown keys are only notes.
        const zor::VersuchGelesen v = zor::versuchLaden(QFile::encodeName(a.versuch).toStdString());
        if (!v) {
            melden(v.ergebnis.meldung.text);
            return 2;
        }
        for (const std::string& h : v.versuch.hinweise) melden(h);
        s = v.versuch.zustand;
    }
    // A set file the loader refuses (missing, a pipe, empty) is a bad argument, as in zor.
    if (!zustandSetzen(a, s)) return 2;
    if (a.ziel == Z::Protokoll)
        return kurvenOptionen(a, s, true) && kurvenOptionen(a, s, false) ? protokollSchreiben(a, s, quelle) : 2;
    if (a.ziel == Z::Buendel || a.ziel == Z::Bloecke) return buendelZeichnen(a, s);
    const bool fav = a.ziel == Z::FAV || a.ziel == Z::DruckFAV;
    if ((fav || a.ziel == Z::FKF || a.ziel == Z::DruckFKF) && !kurvenOptionen(a, s, fav)) return 2;
    if (a.ziel == Z::DruckFF) return druckseiteSchreiben(s, zor::DRUCK_FF, a.ausgabe, quelle);
    if (a.ziel == Z::DruckFAV || a.ziel == Z::DruckFKF)
        return druckseiteSchreiben(s, fav ? zor::DRUCK_FAV : zor::DRUCK_FKF, a.ausgabe, quelle);
    const QSize g = a.groesse;
    zor::Ergebnis e;
    if (a.ziel == Z::FAV || a.ziel == Z::FKF) {
        if (!kurvenVorbereiten(s, fav ? zor::DRUCK_FAV : zor::DRUCK_FKF)) return ZEICHNUNG_MISSLUNGEN;
        e = kurvenMalen(fav, a.ausgabe, g, s, quelle, a.legende);
    } else if (a.ziel == Z::FF && zor::formatVon(a.ausgabe) == zor::Bildformat::Text) {
        QImage messen(1, 1, QImage::Format_RGB32);
        QPainter maler(&messen);
        e = zor::textSpeichern(a.ausgabe, zor::FF_Text(zor::ffInhalt(maler, g, s)), zor::satzDateien(s));
    } else if (a.ziel == Z::FF) {
        e = zor::bildSpeichern(a.ausgabe, g, [&](QPainter& maler) { zor::ffMalen(maler, g, s, 0); }, zor::satzDateien(s));
    } else {
        e = parZeichnen(a.ausgabe, g, s, quelle);
    }
    if (!e) melden(e.meldung.text);
    return e ? 0 : ZEICHNUNG_MISSLUNGEN;
}

int vorlageZeichnen(const zor::Renderauftrag& a, const zor::Vorlagenquelle& quelle) {
    int ergebnis = 0;
    const QImage bild = zor::vorlageMalen(quelle, a.vorlage.toStdString(), a.werte, a.textfarbe, a.text,
                                          abbildungFuer(a.anordnung, a.groesse), a.groesse, &ergebnis);
    if (ergebnis != 1) {
        melden(std::string(zor::TEXT_FEHLERHAFTE_PLOTDATEI) + " (" + a.vorlage.toStdString() + ")");
        return ZEICHNUNG_MISSLUNGEN;
    }
    const auto e = zor::bildSpeichern(a.ausgabe, bild, {});
    if (!e) melden(e.meldung.text);
    return e ? 0 : ZEICHNUNG_MISSLUNGEN;
}

int rendern(int argc, char** argv) {
    // Renders into images only, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own diagnostics are English notes for developers; the user reads only ours.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication app(argc, argv);
    const auto aufruf = zor::renderArgumente(app.arguments().mid(1));
    if (!aufruf.auftrag) {
        melden(aufruf.fehler);
        return 2;
    }
    const zor::Renderauftrag& a = *aufruf.auftrag;
    if (a.hilfe) {
        std::fputs(zor::renderHilfe().c_str(), stdout);
        return 0;
    }
    const auto quelle = zor::programmVorlagen(a.start);
    if (a.ziel == zor::Renderziel::Alle) return alleMalen(a.alle, quelle);
    if (a.ziel == zor::Renderziel::Vorlage) return vorlageZeichnen(a, quelle);
    if (a.ziel == zor::Renderziel::Anpassung) return anpassungMalen(a, quelle);
    return dokumentMalen(a, quelle);
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
