#pragma once
// The five generation procedures. Each exists once and serves every consumer: the
// error-sequence view, the FAV/FKF simulations, sequence saving and the CLI.
//
// A bit source yields the sequence bit by bit: bit() returns 1 for an error and
// zustand() tells the state the last bit was generated in. Gap procedures also offer
// their gaps directly (naechster()), with the same draws in the same order, so a
// consumer may take either view and still see the same sequence.
// Sources are concrete types: consumers are templates, no virtual call per bit.

#include "core/models/ge_bytekern.h"
#include "core/models/generatoren.h"
#include "core/models/satzparameter.h"
#include "core/models/zor_state.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace zor {

// One error gap and the state its bits were generated in.
struct Abstand {
    long g;
    int zustand;
};

// How a procedure starts: the simulations and the sequence view start SW with
// SW_Zustand, the sequence saving with SW_Startzustand.
enum class SwStart { Zustand, Startzustand };

// The draw k/32768 is below q exactly when k < ceil(32768 q): the 15-bit draws let the
// state changes compare integers, with the same outcome as the float comparisons.
inline int schwelle(double q) { return static_cast<int>(std::ceil(q * 32768.0)); }

// BSC bit by bit: one draw per bit, error if u <= p.
class BscBitQuelle {
public:
    explicit BscBitQuelle(const float* wert) : p_(wert[bsc::p]) { z_.srand(startwert(wert[bsc::Startwert])); }
    int bit() { return z_.gleich() <= p_ ? 1 : 0; }
    int zustand() const { return GOOD; }

private:
    Zufall z_;
    float p_;
};

// GE: per bit, note the state, then GE_Fehlerfolge; computed 64 bits ahead by the byte
// kernel, with the same draws in the same order.
class GeBitQuelle {
public:
    explicit GeBitQuelle(const float* wert) : kern_(wert) {
        Zufall z;
        GE_Startzustand(&zustand_, wert, z);
        s_ = z.zustand();
    }
    int bit() {
        if (pos_ == 64) fuellen();
        return static_cast<int>((fehler_ >> pos_++) & 1u);
    }
    // The state the last bit was generated in (GOOD before the first bit).
    int zustand() const { return static_cast<int>((inGood_ >> (pos_ - 1)) & 1u); }

private:
    void fuellen() {
        GeAchtBits acht[8];
        kern_.erzeugen(s_, zustand_, acht);
        fehler_ = inGood_ = 0;
        for (unsigned i = 0; i < 8; ++i) {
            fehler_ |= std::uint64_t{acht[i].fehler} << (8 * i);
            inGood_ |= std::uint64_t{acht[i].inGood} << (8 * i);
        }
        pos_ = 0;
    }

    GeBytekern kern_;
    std::uint32_t s_ = 0;
    int zustand_ = GOOD;
    std::uint64_t fehler_ = 0;
    std::uint64_t inGood_ = ~std::uint64_t{0};
    unsigned pos_ = 64;
};

// BSC by gaps: seeded with Startwert, g = Fehlerabstand(p) each.
class BscAbstandQuelle {
public:
    explicit BscAbstandQuelle(const float* wert) : ziehung_(wert[bsc::p]) { z_.srand(startwert(wert[bsc::Startwert])); }
    Abstand naechster() { return {ziehung_(z_), GOOD}; }

private:
    Zufall z_;
    Abstandsziehung ziehung_;
};

// MC: gap for the current state's error probability, then MC_Zustand, drawn from a
// generator the caller keeps (the corruption channel's, or McAbstandQuelle's own).
class McAbstandsregel {
public:
    // Seeds z with the Startwert and draws the start state.
    McAbstandsregel(const float* wert, Zufall& z)
        : good_(wert[gemc::Good]), bad_(wert[gemc::Bad]),
          bleibtGood_(schwelle(wert[gemc::Good_From_Good])), wirdGood_(schwelle(wert[gemc::Good_From_Bad])) {
        MC_Startzustand(&zustand_, wert, z);
    }
    Abstand naechster(Zufall& z) {
        const Abstand a{zustand_ != 0 ? good_(z) : bad_(z), zustand_};
        const int k = z.rand();  // MC_Zustand
        zustand_ = k < (zustand_ == 1 ? bleibtGood_ : wirdGood_) ? 1 : 0;
        return a;
    }

private:
    Abstandsziehung good_, bad_;
    int bleibtGood_, wirdGood_;
    int zustand_ = GOOD;
};

class McAbstandQuelle {
public:
    explicit McAbstandQuelle(const float* wert) : regel_(wert, z_) {}
    Abstand naechster() { return regel_.naechster(z_); }

private:
    Zufall z_;
    McAbstandsregel regel_;
};

// SW: gap for the current state's error probability, then SW_Zustand for the next gap.
class SwAbstandQuelle {
public:
    SwAbstandQuelle(const float* wert, SwStart start)
        : ziehung_{Abstandsziehung(wert[sw::pFehlerZ1]), Abstandsziehung(wert[sw::pFehlerZ2]),
                   Abstandsziehung(wert[sw::pFehlerZ3])},
          bisZ1_(schwelle(wert[sw::pZ1])),
          bisZ2_(schwelle(static_cast<double>(wert[sw::pZ1]) + wert[sw::pZ2])) {
        if (start == SwStart::Startzustand) {
            SW_Startzustand(&zustand_, wert, z_);
        } else {
            z_.srand(startwert(wert[sw::Startwert]));
            SW_Zustand(&zustand_, wert, z_);
        }
    }
    Abstand naechster() {
        const Abstand a{ziehung_[zustand_ - 1](z_), zustand_};
        const int k = z_.rand();  // SW_Zustand
        zustand_ = static_cast<short>(3 - (k < bisZ2_) - (k < bisZ1_));  // bisZ1_ <= bisZ2_
        return a;
    }

private:
    Zufall z_;
    Abstandsziehung ziehung_[3];
    int bisZ1_, bisZ2_;
    short zustand_ = 1;
};

// The bit view of a gap procedure: g - 1 correct bits, then an error, all in the gap's state.
// Gaps are laid into 64-bit words ahead of the reader (same draws, same order; the source's
// random numbers are its own), so that bit() does not branch on each error: with short
// gaps that branch is mispredicted about every other error.
template <class Quelle>
class AbstandBitQuelle {
public:
    template <class... Args>
    explicit AbstandBitQuelle(Args&&... args) : quelle_(std::forward<Args>(args)...) {
        uebernehmen(quelle_.naechster());
        beginn_[0] = 0;
        zustaende_[0] = GOOD;  // what zustand() says before the first bit
    }
    int bit() {
        if (pos_ == 64) fuellen();
        return static_cast<int>((wort_ >> pos_++) & 1u);
    }
    // The state the last bit was generated in.
    int zustand() const {
        const unsigned i = pos_ - 1;
        while (cursor_ + 1 < anzahl_ && beginn_[cursor_ + 1] <= i) ++cursor_;
        return zustaende_[cursor_];
    }

private:
    void uebernehmen(Abstand a) {
        rest_ = a.g < 1 ? 1 : a.g;
        zustandRest_ = a.zustand;
    }
    // Lays the next 64 bits; rest_ counts the bits of the current gap still to come.
    void fuellen() {
        wort_ = 0;
        pos_ = 0;
        cursor_ = 0;
        anzahl_ = 1;
        beginn_[0] = 0;
        zustaende_[0] = zustandRest_;
        unsigned p = 0;
        while (rest_ <= static_cast<long>(64 - p)) {
            p += static_cast<unsigned>(rest_);
            wort_ |= std::uint64_t{1} << (p - 1);
            uebernehmen(quelle_.naechster());
            beginn_[anzahl_] = p;
            zustaende_[anzahl_] = zustandRest_;
            anzahl_ += p < 64;
        }
        rest_ -= 64 - p;
    }

    Quelle quelle_;
    std::uint64_t wort_ = 0;
    unsigned pos_ = 64;
    long rest_ = 1;
    int zustandRest_ = GOOD;
    // Where the gaps begin inside the word and their states, for zustand().
    unsigned beginn_[66] = {};
    int zustaende_[66] = {};
    unsigned anzahl_ = 1;
    mutable unsigned cursor_ = 0;
};

using BscAbstandBitQuelle = AbstandBitQuelle<BscAbstandQuelle>;
using McBitQuelle = AbstandBitQuelle<McAbstandQuelle>;
using SwBitQuelle = AbstandBitQuelle<SwAbstandQuelle>;

// Runs f with the bit source of the set's model; returns false (f not called) for an
// inactive or file-fed set. Sources keep a pointer to p's parameter array.
template <class F>
bool mitBitQuelle(const Satzparameter& p, SwStart swStart, F&& f) {
    const float* w = p.Wert.data();
    switch (p.art) {
    case Modellart::BSC:
        if (p.BSC_simfabs == 0) {
            BscBitQuelle q(w);
            f(q);
        } else {
            BscAbstandBitQuelle q(w);
            f(q);
        }
        return true;
    case Modellart::GE: {
        GeBitQuelle q(w);
        f(q);
        return true;
    }
    case Modellart::MC: {
        McBitQuelle q(w);
        f(q);
        return true;
    }
    case Modellart::SW: {
        SwBitQuelle q(w, swStart);
        f(q);
        return true;
    }
    default:
        return false;
    }
}

// The same for set `satz` of the state as it is now.
template <class F>
bool mitBitQuelle(const ZorState& s, int satz, SwStart swStart, F&& f) {
    return mitBitQuelle(satzparameter(s, satz), swStart, std::forward<F>(f));
}

}  // namespace zor
