#include "app/media/bitmapdokument.h"

#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/context/texte.h"
#include "app/media/bitmap_bild.h"
#include "app/media/bitmap_modul.h"
#include "app/media/medienfilter.h"
#include "app/media/paar_ids.h"
#include "app/media/partnerwahl.h"
#include "app/platform/meldungsdienst.h"
#include "core/media/bilddifferenz.h"
#include "core/media/bildvergleich.h"
#include "core/seqfiles/dateiquelle.h"
#include "core/util/format.h"

namespace zor::app {

QRect fensterFuerBild(QPoint pos, QSize bild, QSize rahmen, QSize flaeche) {
    QRect r(pos, bild + rahmen);
    if (r.width() > flaeche.width()) {
        r.setX(-1);
        r.setWidth(flaeche.width() + 2);
    }
    if (r.height() > flaeche.height()) {
        r.setY(-1);
        r.setHeight(flaeche.height() + 2);
    }
    return r;
}

Bitmapdokument::Bitmapdokument(Kontext& kontext, zor::DibBild bild, QWidget* eltern)
    : MdiDokument(kontext, BitmapModul::fenster(), eltern), bild_(std::move(bild)), ansicht_(new BitmapAnsicht(this)) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(ansicht_);
    ansicht_->setzeBild(alsQImage(bild_));
    setFocusProxy(ansicht_);
}

void Bitmapdokument::aktiviert() {
    kontext().setzeAktiv(CMD_SPEICHERN_FFO, false);
    kontext().setzeAktiv(CMD_SPEICHERN_FAB, false);
    kontext().setzeHaken(CMD_ANSICHTEN_KOPPELN, ansicht_->gekoppelt() != nullptr);
}

void Bitmapdokument::koppelnUmschalten() {
    if (ansicht_->gekoppelt()) {
        ansicht_->entkoppeln();
    } else {
        QList<MdiDokument*> gleich;
        for (MdiDokument* d : kontext().dokumente())
            if (auto* b = qobject_cast<Bitmapdokument*>(d);
                b && b != this && b->bild_.breite == bild_.breite && b->bild_.hoehe == bild_.hoehe)
                gleich << b;
        if (auto* b =
                qobject_cast<Bitmapdokument*>(partnerWaehlen(kontext(), *this, gleich, TEXT_KEIN_GLEICH_GROSSES_BILD)))
            BitmapAnsicht::koppeln(*ansicht_, *b->ansicht_);
    }
    kontext().setzeHaken(CMD_ANSICHTEN_KOPPELN, ansicht_->gekoppelt() != nullptr);
}

bool Bitmapdokument::befehl(int id) {
    switch (id) {
    case CMD_KOPIEREN: bildInZwischenablage(ausschnitt(bild_, ansicht_->auswahl())); return true;
    case CMD_BITMAP_SPEICHERN: speichern(); return true;
    case CMD_BITMAP_VERGLEICHEN: vergleichen(); return true;
    case CMD_DIFFERENZBILD: differenzbild(); return true;
    case CMD_ZOOM_GROESSER: ansicht_->zoomSchritt(true); return true;
    case CMD_ZOOM_KLEINER: ansicht_->zoomSchritt(false); return true;
    case CMD_ZOOM_1_1: ansicht_->setzeZoom(1); return true;
    case CMD_ZOOM_EINPASSEN: ansicht_->einpassen(); return true;
    case CMD_ANSICHTEN_KOPPELN: koppelnUmschalten(); return true;
    default: return MdiDokument::befehl(id);
    }
}

void Bitmapdokument::SizeWindowToImage() {
    auto* fenster = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!fenster || fenster->isMaximized() || fenster->isMinimized()) return;
    const QSize rahmen = fenster->size() - size();
    fenster->setGeometry(fensterFuerBild(fenster->pos(), QSize(int(bild_.breite), int(bild_.hoehe)), rahmen,
                                         kontext().mdiFlaeche().viewport()->size()));
}

void Bitmapdokument::speichern() {
    const QString vorschlag = QFileInfo(windowTitle()).completeBaseName();
    const auto ziel = kontext().dateiwahl().GetFileNameOutFWK(QStringLiteral("Bitmap speichern"), vorschlag, SATZ_BILDER);
    if (!ziel) return;
    const zor::Ergebnis e = zor::speichereDib(bild_, QFile::encodeName(*ziel).toStdString(), satzDateien(kontext().zustand()));
    if (!e) zeige(kontext().meldung(), e.meldung);
}

void Bitmapdokument::vergleichen() {
    const auto datei = kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("Vergleichen mit"), {}, SATZ_BILDER);
    if (!datei) return;
    const GeladenesBild anderes = ladeBild(*datei);
    const QString titel = QString::fromUtf8(TITEL_PROGRAMM);
    if (!anderes.ok) {
        kontext().meldung().zeige(anderes.fehler, titel, Symbol::Ausrufezeichen);
        return;
    }
    auto v = zor::vergleicheBilder(bild_, anderes.bild);
    if (!v) {
        kontext().meldung().zeige(QString::fromStdString(zor::format(zor::TEXT_VERGLEICH_GROESSE, bild_.breite, bild_.hoehe,
                                                                     anderes.bild.breite, anderes.bild.hoehe)),
                                  titel, Symbol::Ausrufezeichen);
        return;
    }
    zeigeBildvergleich(kontext(), std::move(*v), windowTitle(), *datei);
}

void Bitmapdokument::differenzbild() {
    if (datei_.isEmpty()) {
        kontext().meldung().zeige(QString::fromUtf8(TEXT_DIFFERENZ_OHNE_DATEI), QString::fromUtf8(TITEL_PROGRAMM),
                                  Symbol::Information);
        return;
    }
    const auto datei = kontext().dateiwahl().GetFileNameInFWK(QStringLiteral("Differenzbild mit"), {}, SATZ_BILDER);
    if (datei) zeigeDifferenzbild(kontext(), datei_, *datei);
}

Bitmapdokument* zeigeBildvergleich(Kontext& kontext, zor::Bildvergleich v, const QString& erstes, const QString& zweites) {
    const std::string name = zor::format(zor::TEXT_VERGLEICH_TITEL, QFileInfo(erstes).fileName().toStdString().c_str(),
                                         QFileInfo(zweites).fileName().toStdString().c_str(),
                                         static_cast<unsigned long long>(v.verschieden));
    return zeigeBitmap(kontext, std::move(v.bild), QString::fromStdString(name));
}

Bitmapdokument* zeigeBitmap(Kontext& kontext, zor::DibBild bild, const QString& titel) {
    auto* d = new Bitmapdokument(kontext, std::move(bild));
    if (!kontext.oeffneDokument(d)) return nullptr;
    d->setWindowTitle(titel);
    d->SizeWindowToImage();
    return d;
}

}  // namespace zor::app
