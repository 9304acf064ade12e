#include "app/documents/par_dokument.h"

#include "app/context/kontext.h"
#include "app/plot/dokumentbilder.h"

namespace zor::app {

ParDokument::ParDokument(Kontext& kontext, Vorlagenquelle vorlagen)
    : ModellDokument(kontext, Modelldokument::PAR), vorlagen_(std::move(vorlagen)) {
    setObjectName(QStringLiteral("par"));
}

void ParDokument::zeichnen(QPainter& p, QSize groesse) {
    parMalen(p, QRect(QPoint(0, 0), groesse), vorlagen_, kontext().zustand());
}

}  // namespace zor::app
