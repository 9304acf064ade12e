// Every worked number on the help pages is recomputed with zor: a marker
// <span class="zahl" data-zor="ARGS" data-k="K">0,708</span> names the command and the point
// (data-k: the line "K,value"; data-name: "NAME=value" or "NAME": value in JSON).

#include "zor_aufruf.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

namespace {

struct Marke {
    std::string seite, text, zor, k, name;
};

std::string attribut(const std::string& attribute, const std::string& name) {
    const std::regex re(name + "=\"([^\"]*)\"");
    std::smatch m;
    return std::regex_search(attribute, m, re) ? m[1].str() : std::string();
}

std::vector<Marke> alleMarken() {
    std::vector<Marke> marken;
    const std::regex re(R"(<span class="zahl"([^>]*)>([^<]*)</span>)");
    for (const auto& e : std::filesystem::directory_iterator(ZOR_HILFE)) {
        if (e.path().extension() != ".html") continue;
        const std::string html = dateiLesen(e.path());
        for (std::sregex_iterator it(html.begin(), html.end(), re), ende; it != ende; ++it) {
            const std::string a = (*it)[1].str();
            marken.push_back({e.path().filename().string(), (*it)[2].str(), attribut(a, "data-zor"),
                              attribut(a, "data-k"), attribut(a, "data-name")});
        }
    }
    return marken;
}

std::vector<std::string> woerter(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

// The value a marker points at in zor's output, if there is one.
std::optional<double> wertIn(const std::string& aus, const Marke& m) {
    const std::string muster = !m.k.empty() ? "(^|\\n)" + m.k + ",([-+0-9.eE]+)"
                                            : "(^|\\n|\\{|, )\"?" + m.name + "\"?(=|: )([-+0-9.eE]+)";
    std::smatch t;
    if (!std::regex_search(aus, t, std::regex(muster))) return std::nullopt;
    return std::stod(t[t.size() - 1].str());
}

// A German decimal (comma) and the half unit of its last shown digit.
std::pair<double, double> gezeigt(std::string text) {
    const auto komma = text.find(',');
    const std::size_t stellen = komma == std::string::npos ? 0 : text.size() - komma - 1;
    if (komma != std::string::npos) text[komma] = '.';
    return {std::stod(text), 0.5 * std::pow(10.0, -static_cast<double>(stellen))};
}

TEST(HilfeZahlen, EveryWorkedNumberMatchesTheCore) {
    const auto marken = alleMarken();
    ASSERT_GE(marken.size(), 40u) << "the pages should carry their worked numbers as markers";
    std::map<std::string, ZorErgebnis> laeufe;
    for (const Marke& m : marken) {
        SCOPED_TRACE(m.seite + ": " + m.text + " (zor " + m.zor + ")");
        // Every marker is reported, not only the first broken one.
        if (m.zor.empty() || m.k.empty() == m.name.empty()) {
            ADD_FAILURE() << "a number needs data-zor and exactly one of data-k and data-name";
            continue;
        }
        auto [lauf, neu] = laeufe.try_emplace(m.zor);
        if (neu) lauf->second = zorAufruf(woerter(m.zor));
        const auto wert = wertIn(lauf->second.aus, m);
        if (lauf->second.code != 0 || !wert) {
            ADD_FAILURE() << "zor shows no such point: " << lauf->second.fehler;
            continue;
        }
        const auto [zahl, toleranz] = gezeigt(m.text);
        EXPECT_LE(std::fabs(zahl - *wert), toleranz + 1e-12) << "zor says " << *wert;
    }
}

// The pages a student checks numbers on all carry some.
TEST(HilfeZahlen, ScriptTheoryAndLabPagesCarryNumbers) {
    std::map<std::string, int> jeSeite;
    for (const Marke& m : alleMarken()) ++jeSeite[m.seite];
    for (const char* seite : {"VOZAD.html", "revid_the_neu.html", "kan_vor.html", "kan_dur.html"})
        EXPECT_GE(jeSeite[seite], 5) << seite;
}

}  // namespace
