#include "app/shell/versuch_modul.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QStandardPaths>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/texte.h"
#include "app/documents/dokumentarten.h"
#include "app/documents/modelldokument.h"
#include "app/platform/dateiwahl.h"
#include "app/platform/meldungsdienst.h"
#include "core/documents/anordnung.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/versuch/versuch.h"

namespace zor::app {

bool istVersuchsdatei(const QString& pfad) {
    return pfad.endsWith(QString::fromLatin1(VERSUCH_ENDUNG), Qt::CaseInsensitive);
}

VersuchModul::VersuchModul(Kontext& kontext) : Befehlsmodul(kontext) {}

std::string VersuchModul::offeneDokumente(Kontext& kontext) {
    std::string letters;
    // A closed window may linger until it is deleted; the open flag tells.
    for (MdiDokument* d : kontext.dokumente())
        if (auto* m = qobject_cast<ModellDokument*>(d)) {
            const char b = m->art().buchstabe();
            if (offenFlag(kontext.zustand(), b) != 0 && letters.find(b) == std::string::npos) letters += b;
        }
    return letters;
}

Ergebnis VersuchModul::sichern(Kontext& kontext, const QString& pfad) {
    const ZorState& s = kontext.zustand();
    return versuchSpeichern(QFile::encodeName(pfad).toStdString(), s, offeneDokumente(kontext), satzDateien(s));
}

bool VersuchModul::laden(Kontext& kontext, const QString& pfad) {
    VersuchGelesen g = versuchLaden(QFile::encodeName(pfad).toStdString());
    if (!g) {
        zeige(kontext.meldung(), g.ergebnis.meldung);
        return false;
    }
    // The arrangement follows the opening order, so every document opens anew.
    for (const ModellDokumentart* art : modellDokumentarten())
        if (QMdiSubWindow* w = ModellDokument::unterfenster(kontext, *art)) {
            if (w->isMinimized() || w->isMaximized()) w->showNormal();
            w->close();
        }
    versuchUebernehmen(kontext.zustand(), g.versuch.zustand);
    for (const char b : g.versuch.dokumente)
        for (const ModellDokumentart* art : modellDokumentarten())
            if (art->buchstabe() == b) kontext.befehl(art->oeffnen());
    if (!g.versuch.hinweise.empty()) {
        std::string text;
        for (const std::string& h : g.versuch.hinweise) text += (text.empty() ? "" : "\n") + h;
        zeige(kontext.meldung(), {text, TITEL_VERSUCH, Symbol::Information});
    }
    return true;
}

QString VersuchModul::letzterVersuch() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/letzter") +
           QString::fromLatin1(VERSUCH_ENDUNG);
}

Ergebnis VersuchModul::letztenSichern(Kontext& kontext) {
    const QString pfad = letzterVersuch();
    const std::string dokumente = offeneDokumente(kontext);
    ZorState start;
    InitVar(start);
    // Nothing worth asking about next time.
    if (dokumente.empty() && versuchSchreiben(kontext.zustand(), "") == versuchSchreiben(start, "")) {
        QFile::remove(pfad);
        return Ergebnis::Erfolg();
    }
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return sichern(kontext, pfad);
}

void VersuchModul::letztenAnbieten(Kontext& kontext) {
    const QString pfad = letzterVersuch();
    if (!QFileInfo::exists(pfad)) return;
    if (kontext.meldung().zeige(text(TEXT_LETZTER_VERSUCH_FRAGE), QString::fromUtf8(TITEL_VERSUCH), Symbol::Frage,
                                Knoepfe::JaNein) != Antwort::Ja)
        return;
    kontext.befehl(CMD_ZORWERK);
    laden(kontext, pfad);
}

void VersuchModul::speichern(int) {
    const auto pfad = kontext().dateiwahl().GetFileNameOutFWK(QStringLiteral("Versuch speichern"),
                                                              QStringLiteral("Versuch"), SATZ_VERSUCH);
    if (!pfad) return;
    if (const Ergebnis e = sichern(kontext(), *pfad); !e)
        zeige(kontext().meldung(), e.meldung);
    else
        kontext().geschriebenMelden(*pfad);
}

void VersuchModul::oeffnen(int) {
    const auto pfad = kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("Versuch öffnen"), QString(), SATZ_VERSUCH);
    if (pfad) laden(kontext(), *pfad);
}

const Modul& VersuchModul::beschreibung() {
    using V = VersuchModul;
    static const Modul m{
        .name = "Versuch",
        .erzeuge = &fabrik<V>,
        .befehle =
            {
                {CMD_VERSUCH_OEFFNEN,
                 ruft<&V::oeffnen>,
                 "Stellt einen gespeicherten Versuch mit beiden Parametersätzen und seinen Fenstern wieder her!",
                 {im(MENU_ZOR, "&Datei", 3, "Versuch ö&ffnen...")}},
                {CMD_VERSUCH_SPEICHERN,
                 ruft<&V::speichern>,
                 "Speichert beide Parametersätze, die Optionen und die offenen Fenster als Versuch!",
                 {im(MENU_ZOR, "&Datei", 6, "&Versuch speichern...")}},
            },
        .fenster = {},
        .menues = {trenner(MENU_ZOR, "&Datei", 8)},
        .knoepfe = {},
    };
    return m;
}

}  // namespace zor::app
