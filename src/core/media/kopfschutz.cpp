#include "core/media/kopfschutz.h"

#include "core/media/riff.h"
#include "core/util/format.h"

#include <algorithm>
#include <cstring>

namespace zor {

namespace {

using ull = unsigned long long;

std::uint32_t be32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | std::uint32_t{p[3]};
}

Kopfschutz unstimmig(const char* format) {
    Kopfschutz k;
    k.hinweis = zor::format(TEXT_KOPF_UNSTIMMIG, format);
    return k;
}

std::optional<Kopfschutz> bmp(Bytequelle& q) {
    unsigned char k[18];
    if (q.lies(0, k, sizeof k) != sizeof k || k[0] != 'B' || k[1] != 'M') return std::nullopt;
    const std::uint64_t pixel = le32(k + 10);
    const std::uint64_t dibKopf = le32(k + 14);
    // The pixel data follows both headers and lies inside the file.
    if (dibKopf < 12 || pixel < 14 + dibKopf || pixel >= q.groesse()) return unstimmig("ein BMP-Bild");
    Kopfschutz s;
    s.format = "BMP";
    s.bereiche.anhaengen(0, pixel);
    s.hinweis = format(TEXT_KOPF_BMP, static_cast<ull>(pixel), static_cast<ull>(pixel));
    return s;
}

std::optional<Kopfschutz> wav(Bytequelle& q) {
    RiffLeser leser(q, 12, q.groesse());
    while (auto a = leser.naechster()) {
        if (!a->ist("data")) continue;
        if (a->groesse == 0) break;
        Kopfschutz s;
        s.format = "WAV";
        s.bereiche.anhaengen(0, a->daten());
        s.bereiche.anhaengen(a->ende(), q.groesse());
        const std::uint64_t danach = q.groesse() - a->ende();
        s.hinweis = format(TEXT_KOPF_WAV, static_cast<ull>(s.bereiche.bytes()), static_cast<ull>(a->daten()),
                           danach ? format(TEXT_KOPF_WAV_DANACH, static_cast<ull>(danach)).c_str() : "");
        return s;
    }
    return unstimmig("ein WAV-Ton");
}

bool listeMit(Bytequelle& q, const RiffAbschnitt& a, const char* art) {
    char k[4];
    return a.ist("LIST") && a.groesse >= 4 && q.lies(a.daten(), k, 4) == 4 && std::memcmp(k, art, 4) == 0;
}

std::optional<Kopfschutz> avi(Bytequelle& q) {
    RiffLeser oben(q, 12, q.groesse());
    while (auto movi = oben.naechster()) {
        if (!listeMit(q, *movi, "movi")) continue;
        Kopfschutz s;
        s.format = "AVI";
        const std::uint64_t daten = movi->daten() + 4;
        s.bereiche.anhaengen(0, daten);
        // The chunks inside, and those inside a `rec ` list, each keep their header and pad byte.
        std::uint64_t abschnitte = 0;
        RiffLeser innen(q, daten, movi->ende());
        while (auto a = innen.naechster()) {
            const bool liste = a->ist("LIST") && a->groesse >= 4;
            s.bereiche.anhaengen(a->kopf, a->daten() + (liste ? 4 : 0));
            if (liste) innen.hinein(*a);
            else
                s.bereiche.anhaengen(a->ende(), std::min(a->naechster(), q.groesse()));  // no pad byte past the end
            if (++abschnitte > KOPFSCHUTZ_HOECHSTENS || s.bereiche.anzahl() > KOPFSCHUTZ_HOECHSTENS)
                return unstimmig("ein AVI-Film");
        }
        s.bereiche.anhaengen(movi->ende(), q.groesse());
        s.hinweis = format(TEXT_KOPF_AVI, static_cast<ull>(s.bereiche.bytes()), static_cast<ull>(daten),
                           static_cast<ull>(abschnitte), static_cast<ull>(q.groesse() - movi->ende()));
        return s;
    }
    return unstimmig("ein AVI-Film");
}

std::optional<Kopfschutz> midi(Bytequelle& q) {
    unsigned char k[8];
    if (q.lies(0, k, 8) != 8 || std::memcmp(k, "MThd", 4) != 0) return std::nullopt;
    const std::uint64_t kopf = 8 + std::uint64_t{be32(k + 4)};
    if (kopf < 14 || kopf > q.groesse()) return unstimmig("eine MIDI-Datei");
    Kopfschutz s;
    s.format = "MIDI";
    s.bereiche.anhaengen(0, kopf);
    std::uint64_t spuren = 0;
    for (std::uint64_t pos = kopf; q.groesse() - pos >= 8 && q.lies(pos, k, 8) == 8;) {
        s.bereiche.anhaengen(pos, pos + 8);
        if (++spuren > KOPFSCHUTZ_HOECHSTENS) return unstimmig("eine MIDI-Datei");
        const std::uint64_t laenge = be32(k + 4);
        if (laenge > q.groesse() - pos - 8) break;  // cut short: its events run to the end
        pos += 8 + laenge;
    }
    s.hinweis = format(TEXT_KOPF_MIDI, static_cast<ull>(s.bereiche.bytes()), static_cast<ull>(spuren));
    return s;
}

}  // namespace

Kopfschutz kopfschutzErkennen(Bytequelle& q) {
    if (auto s = bmp(q)) return *s;
    if (auto s = midi(q)) return *s;
    if (auto form = riffFormular(q)) {
        if (std::memcmp(form->data(), "WAVE", 4) == 0) return *wav(q);
        if (std::memcmp(form->data(), "AVI ", 4) == 0) return *avi(q);
    }
    Kopfschutz k;
    k.hinweis = TEXT_KOPF_UNBEKANNT;
    return k;
}

Kopfschutz kopfschutzErkennen(const std::string& pfad) {
    std::string warum;
    auto q = oeffneDatei(pfad, warum);
    if (!q) {
        Kopfschutz k;
        k.hinweis = warum;
        return k;
    }
    return kopfschutzErkennen(*q);
}

}  // namespace zor
