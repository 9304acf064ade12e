#include "app/context/verzeichnis.h"

#include <QSet>

namespace zor::app {

Verzeichnis::Verzeichnis(std::vector<const Modul*> module) : module_(std::move(module)) {
    for (const Modul* m : module_) {
        for (const Befehl& b : m->befehle) {
            if (!befehle_.emplace(b.id, std::pair{&b, m}).second)
                fehler_ << QStringLiteral("Befehl %1 zweimal beschrieben (%2)").arg(b.id).arg(QLatin1String(m->name));
            for (Menueplatz p : b.menues) {
                p.id = b.id;
                plaetze_.push_back(p);
            }
            for (Knopfplatz k : b.knoepfe) {
                k.befehl = b.id;
                knoepfe_.push_back(k);
            }
        }
        plaetze_.insert(plaetze_.end(), m->menues.begin(), m->menues.end());
        knoepfe_.insert(knoepfe_.end(), m->knoepfe.begin(), m->knoepfe.end());
    }
    for (const Menueplatz& p : plaetze_)
        if (!(p.art & (POPUP | TRENNER | BLOCK)) && !befehl(p.id))
            fehler_ << QStringLiteral("Menüpunkt „%1“ in %2: Befehl %3 ist nicht beschrieben")
                           .arg(QString::fromUtf8(p.text))
                           .arg(p.menue)
                           .arg(p.id);
    for (const Knopfplatz& k : knoepfe_)
        if (k.bild && !befehl(k.befehl))
            fehler_ << QStringLiteral("Knopf in Satz %1: Befehl %2 ist nicht beschrieben").arg(k.satz).arg(k.befehl);
    QSet<QString> namen;
    for (const Fenster* f : fenster()) {
        if (f->name.isEmpty()) continue;
        if (namen.contains(f->name)) fehler_ << QStringLiteral("Fenstername %1 zweimal").arg(f->name);
        namen.insert(f->name);
    }
}

const Befehl* Verzeichnis::befehl(int id) const {
    const auto it = befehle_.find(id);
    return it == befehle_.end() ? nullptr : it->second.first;
}

const Modul* Verzeichnis::modulVon(int id) const {
    const auto it = befehle_.find(id);
    return it == befehle_.end() ? nullptr : it->second.second;
}

QString Verzeichnis::hinweis(int id) const {
    const Befehl* b = befehl(id);
    return b && b->hinweis ? QString::fromUtf8(b->hinweis).left(127) : QString();
}

QString Verzeichnis::tooltip(int id) const { return hinweis(id).left(63); }

std::vector<const Fenster*> Verzeichnis::fenster() const {
    std::vector<const Fenster*> l;
    for (const Modul* m : module_) l.insert(l.end(), m->fenster.begin(), m->fenster.end());
    return l;
}

QString Verzeichnis::hilfedatei(const QString& name) const {
    if (name.isEmpty()) return {};
    for (const Fenster* f : fenster())
        if (f->name == name) return f->hilfe;
    return {};
}

bool Verzeichnis::istDokumentMenue(int menue) const {
    for (const Fenster* f : fenster())
        if (menue != 0 && f->dokumentMenue == menue) return true;
    return false;
}

std::vector<Modellfenster> Verzeichnis::modellfenster() const {
    std::vector<Modellfenster> l;
    for (const Fenster* f : fenster())
        if (f->modell) l.push_back(*f->modell);
    return l;
}

std::string Verzeichnis::modellReihe() const {
    std::string r;
    for (const Modellfenster& m : modellfenster()) r += m.buchstabe;
    return r;
}

}  // namespace zor::app
