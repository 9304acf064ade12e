#include "app/documents/ff_dokument.h"

#include <QTimer>

#include "app/context/kontext.h"
#include "app/platform/meldungsdienst.h"
#include "app/plot/dokumentbilder.h"

namespace zor::app {

FFDokument::FFDokument(Kontext& kontext) : ModellDokument(kontext, Modelldokument::FF) {
    setObjectName(QStringLiteral("ff"));
}

void FFDokument::zeichnen(QPainter& p, QSize groesse) {
    melden(ffMalen(p, groesse, kontext().zustand(), 0).meldungen);
}

std::string FFDokument::alsText() {
    QImage messen(1, 1, QImage::Format_RGB32);
    QPainter p(&messen);
    return FF_Text(ffInhalt(p, size(), kontext().zustand()));
}

void FFDokument::melden(const std::vector<Meldung>& meldungen) {
    std::vector<std::string> texte;
    for (const Meldung& m : meldungen) texte.push_back(m.text);
    const bool neu = texte != gemeldet_;
    gemeldet_ = texte;
    if (!neu || meldungen.empty()) return;
    // A message box must not open inside a paint.
    QTimer::singleShot(0, this, [this, meldungen] {
        for (const Meldung& m : meldungen) zeige(kontext().meldung(), m);
    });
}

}  // namespace zor::app
