#include "app/documents/seitenansicht.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor::app {
namespace {

QPushButton* knopf(const QString& text, const char* name, QWidget* eltern) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    return k;
}

}  // namespace

Seitenansicht::Seitenansicht(const QString& dokument, Seitenmaler malen, QWidget* eltern)
    : QDialog(eltern), drucker_(QPrinter::HighResolution), malen_(std::move(malen)) {
    setObjectName(QStringLiteral("seitenansicht"));
    setWindowTitle(QStringLiteral("Seitenansicht – %1").arg(dokument));
    vorschauDruckerEinrichten(drucker_);
    vorschau_ = new QPrintPreviewWidget(&drucker_, this);
    vorschau_->setObjectName(QStringLiteral("vorschau"));
    connect(vorschau_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* d) {
        QPainter p(d);
        malen_(p, QSize(d->width(), d->height()));
    });

    auto* ganz = knopf(QStringLiteral("&Ganze Seite"), "ganzeSeite", this);
    auto* groesser = knopf(QStringLiteral("&Vergrößern"), "vergroessern", this);
    auto* kleiner = knopf(QStringLiteral("Ver&kleinern"), "verkleinern", this);
    auto* drucken = knopf(QStringLiteral("&Drucken..."), "drucken", this);
    auto* schliessen = knopf(QStringLiteral("&Schließen"), "schliessen", this);
    connect(ganz, &QPushButton::clicked, vorschau_, &QPrintPreviewWidget::fitInView);
    connect(groesser, &QPushButton::clicked, vorschau_, [this] { vorschau_->zoomIn(); });
    connect(kleiner, &QPushButton::clicked, vorschau_, [this] { vorschau_->zoomOut(); });
    connect(drucken, &QPushButton::clicked, this, &QDialog::accept);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);

    auto* leiste = new QHBoxLayout;
    for (QPushButton* k : {ganz, groesser, kleiner}) leiste->addWidget(k);
    leiste->addStretch(1);
    leiste->addWidget(drucken);
    leiste->addWidget(schliessen);
    auto* l = new QVBoxLayout(this);
    l->addWidget(vorschau_, 1);
    l->addLayout(leiste);
    resize(640, 860);
    vorschau_->fitInView();
}

}  // namespace zor::app
