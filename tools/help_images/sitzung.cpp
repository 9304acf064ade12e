#include "sitzung.h"

#include "support/gui_hilfen.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>

#include "app/context/befehle.h"
#include "support/modal_skript.h"
#include "support/test_medien.h"

using namespace zor::app;

namespace {

constexpr int BREITE_HOECHSTENS = 800;

// A picture with smooth areas and sharp edges, so that corruption shows in it.
QImage beispielbild() {
    QImage b(240, 160, QImage::Format_RGB888);
    QPainter p(&b);
    QLinearGradient g(0, 0, 240, 160);
    g.setColorAt(0, QColor(30, 60, 150));
    g.setColorAt(1, QColor(240, 200, 80));
    p.fillRect(b.rect(), g);
    p.setPen(QPen(Qt::white, 3));
    p.drawEllipse(QPoint(80, 80), 50, 50);
    p.setFont(QFont(QStringLiteral("Sans"), 20, QFont::Bold));
    p.drawText(QRect(120, 50, 120, 60), Qt::AlignCenter, QStringLiteral("ZOR"));
    return b;
}

}  // namespace

std::optional<QString> BilderDateiwahl::GetFileNameInFWK(const QString& titel, const QString& vorschlag,
                                                         const Filtersatz& satz) {
    return antworte(false, titel, vorschlag, satz);
}
std::optional<QString> BilderDateiwahl::GetFileNameOutFWK(const QString& titel, const QString& vorschlag,
                                                          const Filtersatz& satz, QString* filter) {
    if (filter) *filter = filterListe(satz, zor::app::Richtung::Speichern).value(0);
    return antworte(true, titel, vorschlag, satz);
}

std::optional<QString> BilderDateiwahl::antworte(bool speichern, const QString& titel, const QString& vorschlag,
                                                 const Filtersatz& satz) {
    if (antworten.isEmpty()) return std::nullopt;
    const QString a = antworten.takeFirst();
    if (a != Bildaufnahme::ZEIGEN) return a;
    return speichern ? echt_.GetFileNameOutFWK(titel, vorschlag, satz) : echt_.GetFileNameInFWK(titel, vorschlag, satz);
}

Sitzung::Sitzung(const QString& ziel, const QString& beispiele)
    : ziel_(ziel), daten_(beispiele.isEmpty() ? temporaer_.path() : beispiele), festerOrdner_(!beispiele.isEmpty()) {
    if (festerOrdner_) QDir(daten_).removeRecursively();
    QDir().mkpath(daten_);
    QDir().mkpath(ziel_);
    beispieleSchreiben();
    // The real chooser starts in the sample directory, not wherever the run began.
    QDir::setCurrent(daten_);
}

Sitzung::~Sitzung() {
    rahmen_.reset();
    if (festerOrdner_) QDir(daten_).removeRecursively();
}

void Sitzung::beispieleSchreiben() {
    beispielbild().save(beispiel(QStringLiteral("bild.bmp")), "BMP");
    if (!schreibeSinusWav(beispiel(QStringLiteral("ton.wav")), 2000))
        fehler_ << QStringLiteral("ton.wav nicht geschrieben");
    // Its copy with single flipped bits, from low to high ones of the 16-bit samples' upper
    // bytes, so that the difference shows spikes of every height.
    QFile ton(beispiel(QStringLiteral("ton.wav"))), kopie(beispiel(QStringLiteral("ton_kopie.wav")));
    if (ton.open(QIODevice::ReadOnly) && kopie.open(QIODevice::WriteOnly)) {
        QByteArray b = ton.readAll();
        const qsizetype daten = b.indexOf("data") + 8;
        for (qsizetype k = 0, i = daten + 301; daten > 8 && i < b.size(); ++k, i += 1500)
            b[i] = static_cast<char>(b[i] ^ (1 << (k % 7)));
        if (kopie.write(b) != b.size()) fehler_ << QStringLiteral("ton_kopie.wav nicht geschrieben");
    }
    if (!schreibeTestAvi(beispiel(QStringLiteral("film.avi")), 320, 240, 30, 10))
        fehler_ << QStringLiteral("film.avi nicht geschrieben");
    QFile::copy(QStringLiteral(ZOR_TESTDATEN "/midi/every_event_kind.mid"), beispiel(QStringLiteral("lied.mid")));
    // Sequence files, so that the file choosers list something.
    for (const char* name : {"folge1.FFO", "folge2.FFO"}) {
        QFile f(beispiel(QLatin1String(name)));
        if (f.open(QIODevice::WriteOnly)) f.write(QByteArray("0001000000010010").repeated(64));
    }
    // Fixed times, so that a file chooser's list looks the same on every run.
    const QDateTime fest(QDate(2026, 10, 1), QTime(10, 0));
    for (const QString& name : QDir(daten_).entryList(QDir::Files)) {
        QFile f(beispiel(name));
        if (f.open(QIODevice::ReadWrite)) f.setFileTime(fest, QFileDevice::FileModificationTime);
    }
}

Kontext& Sitzung::kontext() { return *rahmen_; }

Kontext& Sitzung::rahmen(bool zorwerk) {
    rahmen_.reset();
    rahmen_ = std::make_unique<Hauptfenster>(meldung_, dateiwahl_);
    rahmen_->resize(680, 480);
    rahmen_->show();
    rahmen_->mainframe_OnCommand(zorwerk ? CMD_ZORWERK : CMD_MULTIMEDIA);
    QApplication::processEvents();
    return *rahmen_;
}

namespace {

// The status bar's clock would change every picture on every run; it shows a fixed time.
void uhrAnhalten(QWidget* w) {
    static const QRegularExpression datum(QStringLiteral("^(\\s*)\\d{2}\\.\\d{2}\\.\\d{4}\\s*$"));
    static const QRegularExpression zeit(QStringLiteral("^(\\s*)\\d{1,2}:\\d{2}:\\d{2}\\s*$"));
    for (QLabel* l : w->findChildren<QLabel*>()) {
        // The leading blanks stay: the fields are sized for them.
        if (const auto m = datum.match(l->text()); m.hasMatch())
            l->setText(m.captured(1) + QStringLiteral("01.10.2026"));
        if (const auto m = zeit.match(l->text()); m.hasMatch()) l->setText(m.captured(1) + QStringLiteral("10:00:00"));
    }
}

}  // namespace

bool Sitzung::bild(QWidget* w, const QString& name) {
    // Curves computed in the background are in the picture.
    if (rahmen_) warteAufJob(*rahmen_);
    QApplication::processEvents();
    uhrAnhalten(w);
    QImage b = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (b.width() > BREITE_HOECHSTENS) b = b.scaledToWidth(BREITE_HOECHSTENS, Qt::SmoothTransformation);
    // A thin frame sets the grey of a dialog off from the page around it.
    QPainter p(&b);
    p.setPen(QColor(150, 150, 165));
    p.drawRect(b.rect().adjusted(0, 0, -1, -1));
    p.end();
    // Quality 0 is the strongest PNG compression; the pictures stay lossless.
    if (b.isNull() || !b.save(QStringLiteral("%1/%2.png").arg(ziel_, name), "PNG", 0)) {
        fehler_ << QStringLiteral("%1: Bild nicht gespeichert").arg(name);
        return false;
    }
    gemacht << name;
    return true;
}

bool Sitzung::modal(int befehl, const QString& name, std::vector<Schritt> schritte) {
    std::size_t getroffen = 0;
    ModalSkript skript;
    for (Schritt& s : schritte)
        skript.dann([&, s = std::move(s)](QWidget* d) {
            const bool passt =
                s.dialog.isEmpty() ? qobject_cast<QFileDialog*>(d) != nullptr : d->objectName() == s.dialog;
            if (!passt) {
                fehler_ << QStringLiteral("%1: statt %2 kam „%3“").arg(name, s.dialog, d->objectName());
            } else {
                ++getroffen;
                if (s.handle) {
                    s.handle(d);
                    return;
                }
                bild(d, name);
            }
            if (auto* dlg = qobject_cast<QDialog*>(d)) dlg->reject();
        });
    rahmen_->mainframe_OnCommand(befehl);
    if (getroffen < schritte.size())
        fehler_ << QStringLiteral("%1: Befehl %2 öffnete nicht alle Dialoge").arg(name).arg(befehl);
    return getroffen == schritte.size();
}

bool Sitzung::warte(const std::function<bool()>& bedingung, int ms) {
    QElapsedTimer t;
    t.start();
    while (!bedingung() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return bedingung();
}

QStringList Sitzung::meldungen() const {
    QStringList l;
    for (const auto& m : meldung_.gezeigt) l << m.text;
    return l;
}
