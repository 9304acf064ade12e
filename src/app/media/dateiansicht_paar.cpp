// The side-by-side pair of hex or bin views: marking, jumping to and counting differences.

#include "app/media/dateiansicht.h"

#include <QTimer>
#include <QWidget>

#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/platform/meldungsdienst.h"
#include "core/media/dateifenster.h"
#include "core/media/markierung.h"
#include "core/util/format.h"

namespace zor::app {

void Dateiansicht::koppeln(Dateiansicht& a, Dateiansicht& b) {
    a.gegenstueck_ = &b;
    b.gegenstueck_ = &a;
    const std::string x = a.pfad().toStdString(), y = b.pfad().toStdString();
    // Once the caller is through: a job dialog that paired the views closes first, as
    // input (its close too) waits while a job runs.
    QTimer::singleShot(0, &a, [pa = QPointer<Dateiansicht>(&a), pb = QPointer<Dateiansicht>(&b), x, y] {
        if (!pa || !pb) return;
        pa->kontext().hintergrund().starten<Unterschiedszahl>(
            pa, {x, TEXT_UNTERSCHIEDE_ZAEHLEN}, [x, y](Fortschritt& f) { return unterschiedeZaehlen(x, y, f); },
            [pa, pb](Unterschiedszahl z) {
                if (z.abgebrochen) return;
                for (Dateiansicht* d : {pa.data(), pb.data()})
                    if (d) {
                        d->zahl_ = z;
                        d->setWindowTitle(d->fensterTitel());
                    }
            });
    });
}

QString Dateiansicht::fensterTitel() const {
    if (!zahl_ || !gegenstueck_) return titel();
    return QStringLiteral("%1 – %2").arg(
        titel(), QString::fromStdString(format(TEXT_UNTERSCHIEDE_ZAHL, static_cast<unsigned long long>(zahl_->bytes),
                                               static_cast<unsigned long long>(zahl_->bits))));
}

std::vector<bool> Dateiansicht::abweichend(int erste, int letzte) const {
    const auto b = static_cast<std::size_t>(bytesProZeile(ansicht_));
    const std::size_t n = static_cast<std::size_t>(std::max(0, letzte - erste)) * b;
    std::vector<bool> anders(n, false);
    if (!gegenstueck_ || n == 0) return anders;
    const std::uint64_t anfang = (rollen_.VScrollPos + static_cast<std::uint64_t>(erste)) * b;
    std::vector<unsigned char> x(n), y(n);
    const std::size_t nx = datei_->lese(anfang, x), ny = gegenstueck_->datei_->lese(anfang, y);
    // Past the shorter file's end every byte of the longer one counts as changed.
    for (std::size_t i = 0; i < std::max(nx, ny); ++i) anders[i] = i >= nx || i >= ny || x[i] != y[i];
    return anders;
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
