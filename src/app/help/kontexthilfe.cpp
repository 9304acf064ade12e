#include "app/help/kontexthilfe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zor::app {
namespace {

struct Kontextseite {
    const char* name;   // object name of the dialog or window
    const char* datei;  // its help file
};

// clang-format off
constexpr Kontextseite KONTEXTSEITEN[] = {
    {"ff", "zor_ff.hlp"},           {"fav", "zor_fav.hlp"},        {"fkf", "zor_fkf.hlp"},
    {"par", "zor_par.hlp"},         {"id_89", "dlg_bsc.hlp"},      {"id_96", "dlg_ge.hlp"},
    {"id_91", "dlg_mc.hlp"},        {"id_93", "dlg_sw.hlp"},       {"id_610", "dlg_gemc.hlp"},
    {"id_95", "opt_fav.hlp"},       {"id_98", "opt_fkf.hlp"},      {"id_14", "verf_bsc.hlp"},
    {"id_15", "verf_ge.hlp"},       {"id_16", "verf_mc.hlp"},      {"id_17", "verf_muster.hlp"},
    {"id_18", "vergleich.hlp"},     {"id_19", "ableiten.hlp"},     {"hex", "mm_hexbin.hlp"},
    {"bin", "mm_hexbin.hlp"},       {"bitmap", "mm_bitmap.hlp"},   {"id_4150", "mm_midi.hlp"},
    {"id_4141", "mm_wave.hlp"},     {"video", "mm_video.hlp"},     {"medienspieler", "mm_video.hlp"},
    {"seitenansicht", "drucken.hlp"}, {"id_99", "drucken.hlp"},
};
// clang-format on

// The program's help for a modal window without a page of its own (a file chooser), and
// for the frame in a mode without a document.
constexpr const char* PROGRAMMHILFE = "revid.hlp";

bool gehoertZu(const QWidget* w, const QWidget* rahmen) {
    for (; w; w = w->parentWidget())
        if (w == rahmen) return true;
    return false;
}

}  // namespace

QString kontextHilfedatei(const QWidget* w) {
    for (; w; w = w->parentWidget())
        for (const Kontextseite& k : KONTEXTSEITEN)
            if (w->objectName() == QLatin1String(k.name)) return QString::fromLatin1(k.datei);
    return {};
}

QStringList alleKontextHilfedateien() {
    QStringList l;
    for (const Kontextseite& k : KONTEXTSEITEN) l << QString::fromLatin1(k.datei);
    return l;
}

Kontexthilfe::Kontexthilfe(QWidget* rahmen, std::function<void(const QString&, QWidget*)> zeige)
    : QObject(rahmen), rahmen_(rahmen), zeige_(std::move(zeige)) {
    qApp->installEventFilter(this);
}

bool Kontexthilfe::eventFilter(QObject* o, QEvent* e) {
    const bool vorab = e->type() == QEvent::ShortcutOverride;
    if ((!vorab && e->type() != QEvent::KeyPress) || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1 ||
        !o->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(o);
    QString datei = dateiFuer(w);
    // A key press the frame's menu did not take as its F1 (a mode without a document)
    // opens the program help.
    if (datei.isEmpty() && !vorab && w->window() == rahmen_) datei = QString::fromLatin1(PROGRAMMHILFE);
    if (datei.isEmpty()) return false;
    // Claiming the override keeps the frame's menu F1 from taking the key first.
    e->accept();
    if (!vorab) zeige_(datei, w->window());
    return true;
}

QString Kontexthilfe::dateiFuer(const QWidget* w) const {
    const QWidget* fenster = w->window();
    if (!gehoertZu(fenster, rahmen_) || fenster->objectName() == QLatin1String("hilfe")) return {};
    const QString datei = kontextHilfedatei(w);
    if (datei.isEmpty() && fenster != rahmen_ && fenster->isModal()) return QString::fromLatin1(PROGRAMMHILFE);
    return datei;
}

}  // namespace zor::app
