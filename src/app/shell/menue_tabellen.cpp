#include "app/shell/menue_tabellen.h"

#include <algorithm>
#include <set>
#include <string>

#include "app/context/verzeichnis.h"

namespace zor::app {
namespace {

class Bau {
public:
    explicit Bau(const Verzeichnis& v) : v_(v) {}

    void baue(int menue, const std::string& pfad, int ebene, std::vector<MenuEintrag>& aus) {
        std::vector<const Menueplatz*> hier;
        for (const Menueplatz& p : v_.menueplaetze())
            if (p.menue == menue && pfad == p.pfad) hier.push_back(&p);
        std::stable_sort(hier.begin(), hier.end(), [](auto* a, auto* b) { return a->rang < b->rang; });
        for (const Menueplatz* p : hier) {
            benutzt_.insert(p);
            if (p->art & BLOCK) {
                baue(p->id, "", ebene, aus);
            } else if (p->art & POPUP) {
                aus.push_back({ebene, 0, p->text, p->art, nullptr});
                baue(menue, pfad.empty() ? p->text : pfad + '/' + p->text, ebene + 1, aus);
            } else if (p->art & TRENNER) {
                aus.push_back({ebene, 0, nullptr, TRENNER, nullptr});
            } else {
                aus.push_back({ebene, p->id, p->text, p->art, p->kuerzel});
            }
        }
    }

    bool benutzt(const Menueplatz& p) const { return benutzt_.count(&p) != 0; }

private:
    const Verzeichnis& v_;
    std::set<const Menueplatz*> benutzt_;
};

}  // namespace

std::vector<MenuEintrag> menuTabelle(const Verzeichnis& v, int menueId) {
    std::vector<MenuEintrag> aus;
    Bau(v).baue(menueId, "", 0, aus);
    return aus;
}

std::vector<int> alleMenues(const Verzeichnis& v) {
    std::set<int> ids;
    for (const Menueplatz& p : v.menueplaetze())
        if (p.menue < ERSTER_BLOCK && *p.pfad == '\0') ids.insert(p.menue);
    return {ids.begin(), ids.end()};
}

QStringList menueFehler(const Verzeichnis& v) {
    Bau bau(v);
    std::vector<MenuEintrag> verworfen;
    for (int id : alleMenues(v)) bau.baue(id, "", 0, verworfen);
    QStringList fehler;
    for (const Menueplatz& p : v.menueplaetze())
        if (!bau.benutzt(p))
            fehler << QStringLiteral("Menü %1, „%2“: „%3“ steht in keinem Menü")
                          .arg(p.menue)
                          .arg(QString::fromUtf8(p.pfad), QString::fromUtf8(p.text ? p.text : "—"));
    return fehler;
}

}  // namespace zor::app
