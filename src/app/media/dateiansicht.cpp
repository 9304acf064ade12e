#include "app/media/dateiansicht.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <vector>

#include "app/context/befehle.h"
#include "app/context/kontext.h"
#include "app/hintergrund/hintergrund.h"
#include "app/media/dateisuche.h"
#include "app/media/hexbin_modul.h"
#include "app/media/paar_ids.h"
#include "app/platform/meldungsdienst.h"
#include "core/media/dateifenster.h"
#include "core/media/markierung.h"

namespace zor::app {

// The painted client area; the document around it holds the scroll bars.
class Zeilenflaeche : public QWidget {
public:
    explicit Zeilenflaeche(Dateiansicht& a) : QWidget(&a), ansicht_(a) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setObjectName(QStringLiteral("zeilen"));
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        ansicht_.zeichne(p, e->rect());
    }
    void wheelEvent(QWheelEvent* e) override {
        ansicht_.radDrehen(-e->angleDelta().y() / 40);
        e->accept();
    }

private:
    Dateiansicht& ansicht_;
};

Dateiansicht::Dateiansicht(Kontext& kontext, Ansicht ansicht, const QString& pfad, QWidget* eltern)
    : MdiDokument(kontext, ansicht == Ansicht::Hex ? HexBinModul::hexFenster() : HexBinModul::binFenster(), eltern),
      ansicht_(ansicht),
      pfad_(pfad),
      datei_(std::make_unique<Dateifenster>(pfad.toStdString())),
      flaeche_(new Zeilenflaeche(*this)),
      vBalken_(new QScrollBar(Qt::Vertical, this)),
      hBalken_(new QScrollBar(Qt::Horizontal, this)) {
    setFocusPolicy(Qt::StrongFocus);
    vBalken_->setObjectName(QStringLiteral("vscroll"));
    hBalken_->setObjectName(QStringLiteral("hscroll"));
    for (QScrollBar* b : {vBalken_, hBalken_}) b->setFocusPolicy(Qt::NoFocus);
    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(0);
    raster->addWidget(flaeche_, 0, 0);
    raster->addWidget(vBalken_, 0, 1);
    raster->addWidget(hBalken_, 1, 0);
    connect(vBalken_, &QScrollBar::actionTriggered, this, [this](int a) { balkenAktion(true, a); });
    connect(hBalken_, &QScrollBar::actionTriggered, this, [this](int a) { balkenAktion(false, a); });

    rollen_.ZeilenAnzahl = datei_->offen() ? zeilenAnzahl(ansicht, datei_->groesse()) : 0;
    rollen_.maxwidth = zeilenBreite(ansicht, datei_->groesse());
    schriftMessen();
    setWindowTitle(titel());
    setMinimumSize(120, 80);
}

Dateiansicht::~Dateiansicht() = default;

bool Dateiansicht::offen() const { return datei_->offen(); }
std::uint64_t Dateiansicht::dateigroesse() const { return datei_->groesse(); }

bool Dateiansicht::befehl(int id) {
    switch (id) {
    case CMD_GEHE_ZU_OFFSET: geheZuOffsetFragen(); return true;
    case CMD_SUCHEN: suchenFragen(); return true;
    case CMD_NAECHSTER_UNTERSCHIED: unterschied(Suchrichtung::Vorwaerts); return true;
    case CMD_VORHERIGER_UNTERSCHIED: unterschied(Suchrichtung::Rueckwaerts); return true;
    case CMD_ANSICHT_VERGLEICHEN: vergleichenMit(); return true;
    default: return MdiDokument::befehl(id);
    }
}

QString Dateiansicht::titel() const {
    const QString muster = ansicht_ == Ansicht::Hex ? QStringLiteral("Hex (%1) %2 Bytes") : QStringLiteral("Binär (%1) %2 Bytes");
    return muster.arg(pfad_).arg(datei_->groesse());
}

void Dateiansicht::schriftMessen() {
    schrift_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    schrift_.setFixedPitch(true);
    flaeche_->setFont(schrift_);
    const QFontMetricsF m(schrift_, flaeche_);
    zeichenbreite_ = m.horizontalAdvance(QLatin1Char('0'));
    oberlaenge_ = qCeil(m.ascent());
    rollen_.cx = std::max(1, qRound(zeichenbreite_));
    rollen_.cynl = std::max(1, qCeil(m.height()));
    rollen_.cy = std::max(1, qCeil(m.height() + m.leading()));
}

void Dateiansicht::resizeEvent(QResizeEvent* e) {
    MdiDokument::resizeEvent(e);
    groesseGeaendert();
}

void Dateiansicht::groesseGeaendert() {
    // The layout has placed the client area by now only after activation; take the
    // document's size minus the bars when it has not.
    const int breite = std::max(0, width() - vBalken_->sizeHint().width());
    const int hoehe = std::max(0, height() - hBalken_->sizeHint().height());
    rollen_.groesse(breite, hoehe);
    balkenAbgleichen();
    flaeche_->update();
}

void Dateiansicht::balkenAbgleichen() {
    const QSignalBlocker sv(vBalken_), sh(hBalken_);
    vBalken_->setRange(0, rollen_.balkenMax());
    const int seite = rollen_.cy == 0 ? 1 : std::max(1, rollen_.yClient / rollen_.cy);
    vBalken_->setPageStep(rollen_.balkenMax() == static_cast<int>(rollen_.VScrollMax)
                              ? seite
                              : std::max(1, rollen_.balkenMax() / 64));
    vBalken_->setSliderPosition(rollen_.balkenWert());
    hBalken_->setRange(0, rollen_.HScrollMax);
    hBalken_->setPageStep(8);
    hBalken_->setSliderPosition(rollen_.HScrollPos);
}

namespace {

Rollanfrage anfrage(int aktion) {
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepSub: return Rollanfrage::ZeileZurueck;
    case QAbstractSlider::SliderSingleStepAdd: return Rollanfrage::ZeileVor;
    case QAbstractSlider::SliderPageStepSub: return Rollanfrage::SeiteZurueck;
    case QAbstractSlider::SliderPageStepAdd: return Rollanfrage::SeiteVor;
    case QAbstractSlider::SliderMove: return Rollanfrage::Ziehen;
    case QAbstractSlider::SliderToMinimum: return Rollanfrage::Anfang;
    case QAbstractSlider::SliderToMaximum: return Rollanfrage::Ende;
    default: return Rollanfrage::Sonstige;
    }
}

}  // namespace

void Dateiansicht::balkenAktion(bool vertikal, int aktion) {
    QScrollBar* b = vertikal ? vBalken_ : hBalken_;
    const int daumen = b->sliderPosition();
    rolle(anfrage(aktion), vertikal, vertikal ? rollen_.zeileAusBalken(daumen) : static_cast<std::uint64_t>(daumen));
    // The bar has moved its slider by its own rule; ours holds.
    b->setSliderPosition(vertikal ? rollen_.balkenWert() : rollen_.HScrollPos);
}

void Dateiansicht::rolle(Rollanfrage a, bool vertikal, std::uint64_t daumen) {
    if (vertikal) {
        const std::int64_t s = rollen_.vSchritt(a, daumen);
        if (!rollen_.vRollen(s)) return;
        if (std::abs(s) < rollen_.ZeilenPerFenster)
            flaeche_->scroll(0, static_cast<int>(-s * rollen_.cy));
        else
            flaeche_->update();
    } else {
        const int s = rollen_.hSchritt(a, static_cast<int>(std::min<std::uint64_t>(daumen, INT32_MAX)));
        if (!rollen_.hRollen(s)) return;
        flaeche_->update();
    }
    balkenAbgleichen();
}

void Dateiansicht::radDrehen(int zeilen) {
    const std::int64_t s = std::clamp<std::int64_t>(
        zeilen, -static_cast<std::int64_t>(rollen_.VScrollPos),
        static_cast<std::int64_t>(rollen_.VScrollMax - rollen_.VScrollPos));
    if (!rollen_.vRollen(s)) return;
    flaeche_->update();
    balkenAbgleichen();
}

void Dateiansicht::geheZuOffset(std::uint64_t offset) {
    rollen_.zeigeZeile(offset / static_cast<std::uint64_t>(bytesProZeile(ansicht_)));
    balkenAbgleichen();
    flaeche_->update();
}

void Dateiansicht::geheZuOffsetFragen() {
    QInputDialog frage(this);
    frage.setObjectName(QStringLiteral("gehe_zu_offset"));
    frage.setWindowTitle(QStringLiteral("Gehe zu Offset"));
    frage.setLabelText(QStringLiteral("Offset (hexadezimal):"));
    if (frage.exec() != QDialog::Accepted) return;
    if (const auto o = leseOffset(frage.textValue())) {
        geheZuOffset(*o);
        return;
    }
    kontext().meldung().zeige(QStringLiteral("„%1“ ist kein gültiger Offset!").arg(frage.textValue()), titel(),
                              Symbol::Ausrufezeichen);
}

void Dateiansicht::suchenFragen() {
    Suchdialog frage(ansicht_, this);
    if (frage.exec() != QDialog::Accepted) return;
    auto a = frage.anfrage();
    if (auto* text = std::get_if<std::string>(&a)) {
        kontext().meldung().zeige(QString::fromStdString(*text), QString::fromUtf8(TEXT_SUCHE_TITEL), Symbol::Ausrufezeichen);
        return;
    }
    fund_.reset();
    suchen(std::get<Suchanfrage>(a).muster, std::get<Suchanfrage>(a).richtung);
}

void Dateiansicht::suchen(const Suchmuster& m, Suchrichtung r) {
    muster_ = m;
    const bool vor = r == Suchrichtung::Vorwaerts;
    const std::uint64_t ab = fund_ ? (vor ? *fund_ + 1 : *fund_) : (vor ? 0 : ~std::uint64_t{0});
    const std::string pfad = pfad_.toStdString();
    kontext().hintergrund().starten<Suchergebnis>(
        this, {titel().toStdString(), TEXT_SUCHE_LAEUFT},
        [pfad, m, ab, r](Fortschritt& f) {
            std::string warum;
            auto q = oeffneDatei(pfad, warum);
            return q ? zor::suchen(*q, m, ab, r, f) : Suchergebnis{};
        },
        [this](Suchergebnis e) {
            if (e.art == Suchergebnis::Art::Abgebrochen) return;
            if (e.art == Suchergebnis::Art::NichtGefunden) {
                kontext().meldung().zeige(QString::fromUtf8(TEXT_NICHT_GEFUNDEN), QString::fromUtf8(TEXT_SUCHE_TITEL),
                                          Symbol::Information);
                return;
            }
            fund_ = e.bit;
            geheZuOffset(e.bit / 8);
        });
}

void Dateiansicht::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Find)) {
        suchenFragen();
        return;
    }
    if (e->key() == Qt::Key_F8) {
        unterschied(e->modifiers() & Qt::ShiftModifier ? Suchrichtung::Rueckwaerts : Suchrichtung::Vorwaerts);
        return;
    }
    if (e->key() == Qt::Key_F3 && muster_) {
        suchen(*muster_, e->modifiers() & Qt::ShiftModifier ? Suchrichtung::Rueckwaerts : Suchrichtung::Vorwaerts);
        return;
    }
    struct Taste {
        int taste;
        Rollanfrage a;
        bool vertikal;
    };
    static const Taste TASTEN[] = {
        {Qt::Key_Up, Rollanfrage::ZeileZurueck, true},   {Qt::Key_Down, Rollanfrage::ZeileVor, true},
        {Qt::Key_PageUp, Rollanfrage::SeiteZurueck, true}, {Qt::Key_PageDown, Rollanfrage::SeiteVor, true},
        {Qt::Key_Home, Rollanfrage::Anfang, true},        {Qt::Key_End, Rollanfrage::Ende, true},
        {Qt::Key_Left, Rollanfrage::ZeileZurueck, false}, {Qt::Key_Right, Rollanfrage::ZeileVor, false},
    };
    for (const Taste& t : TASTEN)
        if (t.taste == e->key()) {
            rolle(t.a, t.vertikal);
            return;
        }
    MdiDokument::keyPressEvent(e);
}

std::vector<std::string> Dateiansicht::zeilen(int erste, int letzte) const {
    const auto b = static_cast<std::size_t>(bytesProZeile(ansicht_));
    std::vector<std::string> text;
    // Rows below the last line (the page at the bottom has one) stay empty.
    const std::uint64_t rest = rollen_.ZeilenAnzahl - std::min(rollen_.ZeilenAnzahl, rollen_.VScrollPos);
    letzte = static_cast<int>(std::min<std::uint64_t>(static_cast<std::uint64_t>(std::max(letzte, 0)), rest));
    if (letzte <= erste) return text;
    std::vector<unsigned char> puffer(static_cast<std::size_t>(letzte - erste) * b);
    const std::uint64_t ersteZeile = rollen_.VScrollPos + static_cast<std::uint64_t>(erste);
    // A shrunken file reads short; the rows past its end show only their offsets.
    std::size_t gelesen = datei_->lese(ersteZeile * b, puffer);
    for (std::size_t i = 0; i < puffer.size(); i += b) {
        const std::size_t n = std::min(gelesen, b);
        gelesen -= n;
        const auto bytes = std::span<const unsigned char>(puffer).subspan(i, n);
        const std::uint64_t offset = (ersteZeile + i / b) * b;
        text.push_back(ansicht_ == Ansicht::Hex ? hex_SnapLine(bytes, offset) : bin_SnapLine(bytes, offset));
    }
    return text;
}

QStringList Dateiansicht::sichtbareZeilen() const {
    QStringList l;
    for (const std::string& z : zeilen(0, rollen_.ZeilenPerFenster)) l << QString::fromStdString(z);
    return l;
}

void Dateiansicht::zeichne(QPainter& p, const QRect& bereich) {
    if (windowTitle() != fensterTitel()) setWindowTitle(fensterTitel());
    p.fillRect(bereich, palette().color(QPalette::Base));
    if (rollen_.ZeilenAnzahl == 0 || rollen_.cy == 0) return;
    p.setFont(schrift_);
    // Only the rows the paint touches are read.
    const int erste = std::max(0, bereich.top() / rollen_.cy);
    const int letzte = std::min(rollen_.ZeilenPerFenster, bereich.bottom() / rollen_.cy + 1);
    const QColor grau = palette().color(QPalette::Disabled, QPalette::WindowText);
    const QColor knopf = palette().color(QPalette::Button);
    const qreal x0 = -rollen_.HScrollPos * zeichenbreite_;
    const std::vector<std::string> text = zeilen(erste, letzte);
    const std::vector<std::vector<Lauf>> anders = abweichend(erste, text);
    const QPen rahmen(QColor(0, 90, 230), 1.5);
    std::string rot;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string& zeile = text[i];
        const int y = (erste + static_cast<int>(i)) * rollen_.cy;
        p.setPen(grau);
        p.drawText(QPointF(x0, y + oberlaenge_), QString::fromLatin1(zeile.data(), static_cast<qsizetype>(zeile.size())));
        // The red characters go on their button-face boxes as one text of the line's
        // width, blanks elsewhere: one text call per line however many runs it has.
        rot.assign(zeile.size(), ' ');
        std::size_t ende = 0;
        roteLaeufe(ansicht_, zeile, [&](Lauf l) {
            p.fillRect(QRectF(x0 + static_cast<qreal>(l.von) * zeichenbreite_, y,
                              static_cast<qreal>(l.laenge) * zeichenbreite_, rollen_.cynl),
                       knopf);
            rot.replace(l.von, l.laenge, zeile, l.von, l.laenge);
            ende = l.von + l.laenge;
        });
        if (ende != 0) {
            p.setPen(Qt::red);
            p.drawText(QPointF(x0, y + oberlaenge_), QString::fromLatin1(rot.data(), static_cast<qsizetype>(ende)));
        }
        // Framed rather than filled, so the red digits keep their boxes.
        p.setPen(rahmen);
        p.setBrush(Qt::NoBrush);
        for (const Lauf& l : anders[i])
            p.drawRect(QRectF(x0 + static_cast<qreal>(l.von) * zeichenbreite_ - 1, y + 0.5,
                              static_cast<qreal>(l.laenge) * zeichenbreite_ + 2, rollen_.cynl - 1));
    }
}

// Offsets are typed as the views show them: hexadecimal, "0x" allowed.
std::optional<std::uint64_t> leseOffset(const QString& text) {
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) t = t.mid(2);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,16}$"));
    if (!hex.match(t).hasMatch()) return std::nullopt;
    return static_cast<std::uint64_t>(t.toULongLong(nullptr, 16));
}

}  // namespace zor::app
