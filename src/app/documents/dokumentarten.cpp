#include "app/documents/dokumentarten.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <functional>

#include "app/context/kontext.h"
#include "app/documents/anpassung_dokument.h"
#include "app/documents/buendel_dokument.h"
#include "app/documents/fav_dokument.h"
#include "app/documents/ff_dokument.h"
#include "app/documents/fkf_dokument.h"
#include "app/documents/par_dokument.h"
#include "app/documents/theoriebilder.h"
#include "core/models/vorgaben.h"

namespace zor::app {

const std::vector<const ModellDokumentart*>& modellDokumentarten() {
    // clang-format off
    static const std::vector<const ModellDokumentart*> tabelle = {
        &FFDokument::dokumentart(),
        &FKFDokument::dokumentart(),
        &FAVDokument::dokumentart(),
        &ParDokument::dokumentart(),
        &AnpassungDokument::dokumentart(),
        &BuendelDokument::dokumentart(),
    };
    // clang-format on
    return tabelle;
}

const std::string& modellReihe() {
    static const std::string reihe = [] {
        std::string r;
        for (const ModellDokumentart* a : modellDokumentarten()) r += a->buchstabe();
        return r;
    }();
    return reihe;
}

namespace {

// The document opened after saetze set the two parameter sets.
bool dokumentZeigen(Bildaufnahme& a, int befehl, const QString& bild, const std::function<void(ZorState&)>& saetze) {
    Kontext& k = a.rahmen(true);
    saetze(k.zustand());
    k.befehl(befehl);
    QMdiSubWindow* w = k.mdiFlaeche().activeSubWindow();
    if (!w) {
        a.fehler(QStringLiteral("%1: kein Fenster geöffnet").arg(bild));
        return false;
    }
    w->showMaximized();
    // The curve documents compute their curves after opening; wait for them.
    if (auto* d = qobject_cast<KurvenDokument*>(w->widget()))
        if (!a.warte([d] { return !d->veraltet(); }, 30000)) {
            a.fehler(QStringLiteral("%1: Kurven nicht fertig").arg(bild));
            return false;
        }
    return true;
}

}  // namespace

bool modellDokumentZeigen(Bildaufnahme& a, int befehl, const QString& bild) {
    return dokumentZeigen(a, befehl, bild, [](ZorState& s) { vorgabeSetzen(s, 1, *vorgabe("ge2")); });
}

Bildrezept modellDokumentBild(const QString& bild, int befehl) {
    return {bild, {}, [=](Bildaufnahme& a) {
                if (modellDokumentZeigen(a, befehl, bild)) a.bild(a.kontext().fenster(), bild);
            }};
}

Bildrezept theoriekurvenBild(const QString& bild, int befehl) {
    return {bild, QStringLiteral("revid_the_neu"), [=](Bildaufnahme& a) {
                const auto saetze = [](ZorState& s) {
                    vorgabeSetzen(s, 0, *vorgabe("ge1"));
                    vorgabeSetzen(s, 1, *vorgabe("mc2"));
                    simVon(s, 0) = simVon(s, 1) = 0;
                };
                if (dokumentZeigen(a, befehl, bild, saetze)) a.bild(a.kontext().fenster(), bild);
            }};
}

const ModellDokumentart* dokumentartMitBefehl(int id) {
    for (const ModellDokumentart* a : modellDokumentarten())
        if (a->oeffnen() == id || a->schliessen() == id) return a;
    return nullptr;
}

}  // namespace zor::app
