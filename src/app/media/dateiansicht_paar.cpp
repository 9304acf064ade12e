// The side-by-side pair of hex or bin views: marking, jumping to and counting differences.

#include "app/media/dateiansicht.h"

#include <QTimer>
#include <QWidget>

#include "app/context/kontext.h"
#include "app/context/texte.h"
#include "app/hintergrund/hintergrund.h"
#include "app/media/partnerwahl.h"
#include "app/platform/meldungsdienst.h"
#include "core/media/dateifenster.h"
#include "core/media/markierung.h"
#include "core/util/format.h"

namespace zor::app {

void Dateiansicht::koppeln(Dateiansicht& a, Dateiansicht& b) {
    // An earlier pair with a third view ends on both of its sides; a difference shown in
    // a view not paired before stays the start of the next search.
    for (auto [d, neu] : {std::pair{&a, &b}, std::pair{&b, &a}})
        if (Dateiansicht* alt = d->gegenstueck_; alt && alt != neu) {
            alt->entkoppeln();
            d->entkoppeln();
        }
    a.zahl_.reset();
    b.zahl_.reset();
    a.gegenstueck_ = &b;
    b.gegenstueck_ = &a;
    a.flaeche_->update();
    b.flaeche_->update();
    const std::string x = a.pfad().toStdString(), y = b.pfad().toStdString();
    // Once the caller is through: a job dialog that paired the views closes first, as
    // input (its close too) waits while a job runs.
    QTimer::singleShot(0, &a, [pa = QPointer<Dateiansicht>(&a), pb = QPointer<Dateiansicht>(&b), x, y] {
        if (!pa || !pb) return;
        pa->kontext().hintergrund().starten<Unterschiedszahl>(
            pa, {x, TEXT_UNTERSCHIEDE_ZAEHLEN}, [x, y](Fortschritt& f) { return unterschiedeZaehlen(x, y, f); },
            [pa, pb](Unterschiedszahl z) {
                // Either may have been paired anew meanwhile.
                if (z.abgebrochen || !pa || !pb || pa->gegenstueck_ != pb) return;
                for (Dateiansicht* d : {pa.data(), pb.data()})
                    if (d) {
                        d->zahl_ = z;
                        d->setWindowTitle(d->fensterTitel());
                    }
            });
    });
}

void Dateiansicht::entkoppeln() {
    gegenstueck_ = nullptr;
    zahl_.reset();
    stelle_.reset();
    setWindowTitle(titel());
    flaeche_->update();
}

void Dateiansicht::vergleichenMit() {
    QList<MdiDokument*> andere;
    for (MdiDokument* d : kontext().dokumente())
        if (d != this && qobject_cast<Dateiansicht*>(d)) andere << d;
    if (auto* d = qobject_cast<Dateiansicht*>(partnerWaehlen(kontext(), *this, andere, TEXT_KEINE_ANDERE_DATEIANSICHT)))
        koppeln(*this, *d);
}

QString Dateiansicht::fensterTitel() const {
    if (!zahl_ || !gegenstueck_) return titel();
    return QStringLiteral("%1 – %2").arg(
        titel(), QString::fromStdString(format(TEXT_UNTERSCHIEDE_ZAHL, static_cast<unsigned long long>(zahl_->bytes),
                                               static_cast<unsigned long long>(zahl_->bits))));
}

std::vector<std::vector<Lauf>> Dateiansicht::abweichend(int erste, const std::vector<std::string>& zeilen) const {
    std::vector<std::vector<Lauf>> laeufe(zeilen.size());
    if (!gegenstueck_ || zeilen.empty()) return laeufe;
    const auto b = static_cast<std::size_t>(bytesProZeile(ansicht_));
    const std::size_t n = zeilen.size() * b;
    const std::uint64_t anfang = (rollen_.VScrollPos + static_cast<std::uint64_t>(erste)) * b;
    std::vector<unsigned char> x(n), y(n);
    const std::size_t nx = datei_->lese(anfang, x), ny = gegenstueck_->datei_->lese(anfang, y);
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const std::size_t stellen = zeilen[z].find('|'), von = z * b;
        if (stellen == std::string::npos) continue;
        const auto teil = [&](const std::vector<unsigned char>& v, std::size_t gelesen) {
            return std::span<const unsigned char>(v).subspan(von, std::min(b, gelesen - std::min(gelesen, von)));
        };
        laeufe[z] = unterschiedsLaeufe(ansicht_, stellen, teil(x, nx), teil(y, ny));
    }
    return laeufe;
}

void Dateiansicht::unterschied(Suchrichtung r) {
    if (!gegenstueck_) {
        kontext().meldung().zeige(QString::fromUtf8(TEXT_KEIN_GEGENSTUECK), titel(), Symbol::Information);
        return;
    }
    const bool vor = r == Suchrichtung::Vorwaerts;
    const std::uint64_t oben = rollen_.VScrollPos * static_cast<std::uint64_t>(bytesProZeile(ansicht_));
    const std::uint64_t ab = stelle_ ? (vor ? *stelle_ + 1 : *stelle_) : oben;
    const std::string x = pfad_.toStdString(), y = gegenstueck_->pfad_.toStdString();
    kontext().hintergrund().starten<Suchergebnis>(
        this, {titel().toStdString(), TEXT_UNTERSCHIEDE_ZAEHLEN},
        [x, y, ab, r](Fortschritt& f) { return naechsterUnterschied(x, y, ab, r, f); },
        [this](Suchergebnis e) {
            if (e.art == Suchergebnis::Art::Abgebrochen) return;
            if (e.art == Suchergebnis::Art::NichtGefunden) {
                kontext().meldung().zeige(QString::fromUtf8(TEXT_KEIN_UNTERSCHIED), titel(), Symbol::Information);
                return;
            }
            unterschiedZeigen(e.bit / 8);
            if (gegenstueck_) gegenstueck_->unterschiedZeigen(e.bit / 8);
        });
}

void Dateiansicht::unterschiedZeigen(std::uint64_t byte) {
    stelle_ = byte;
    geheZuOffset(byte);
}

}  // namespace zor::app
