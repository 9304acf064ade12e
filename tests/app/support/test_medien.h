#pragma once
// Fakes of the media backends, recording every call, and generated test media.

#include <QStringList>

#include "app/media/tonaufnahme.h"
#include "app/media/wiedergabe.h"

class TestWiedergabe final : public zor::app::Wiedergabe {
public:
    using Fehlertext = zor::app::Fehlertext;
    using Spielzustand = zor::app::Spielzustand;

    Fehlertext oeffne(const QString& datei) override {
        aufrufe << QStringLiteral("oeffne ") + datei;
        if (oeffneFehler) return oeffneFehler;
        z_ = Spielzustand::Gestoppt;
        pos_ = 0;
        return std::nullopt;
    }
    void schliesse() override {
        aufrufe << QStringLiteral("schliesse");
        z_ = Spielzustand::Geschlossen;
    }
    Fehlertext spiele(bool rueckwaerts) override {
        aufrufe << (rueckwaerts ? QStringLiteral("rueckwaerts") : QStringLiteral("spiele"));
        if (rueckwaerts && rueckwaertsFehler) return rueckwaertsFehler;
        if (spieleFehler) return spieleFehler;
        z_ = Spielzustand::Spielt;
        return std::nullopt;
    }
    void pausiere() override {
        aufrufe << QStringLiteral("pause");
        z_ = Spielzustand::Pausiert;
    }
    void stoppe() override {
        aufrufe << QStringLiteral("stoppe");
        const bool lief = z_ == Spielzustand::Spielt;
        z_ = Spielzustand::Gestoppt;
        pos_ = 0;
        if (lief) emit fertig();
    }
    void springe(qint64 ms) override {
        aufrufe << QStringLiteral("springe %1").arg(ms);
        pos_ = std::clamp<qint64>(ms, 0, dauerMs);
    }
    Spielzustand zustand() const override { return z_; }
    qint64 position() const override { return pos_; }
    qint64 dauer() const override { return dauerMs; }
    bool hatBild() const override { return true; }
    QSize bildgroesse() const override { return groesse; }
    qint64 bilddauer() const override { return 100; }

    // Playback reaches the end of the file by itself.
    void endet() {
        z_ = Spielzustand::Gestoppt;
        emit fertig();
    }

    QStringList aufrufe;
    Fehlertext oeffneFehler, spieleFehler, rueckwaertsFehler;
    QSize groesse{160, 120};
    qint64 dauerMs = 5000;

private:
    Spielzustand z_ = Spielzustand::Geschlossen;
    qint64 pos_ = 0;
};

class TestTonaufnahme final : public zor::app::Tonaufnahme {
public:
    zor::app::Fehlertext starte(const QString& ziel, int hoechstensMs) override {
        if (fehler) return fehler;
        datei = ziel;
        grenze = hoechstensMs;
        laeuft_ = true;
        return std::nullopt;
    }
    void beende() override;
    bool laeuft() const override { return laeuft_; }
    qint64 aufgenommenMs() const override { return ms; }

    zor::app::Fehlertext fehler;
    QString datei;
    int grenze = 0;
    qint64 ms = 0;              // sound captured so far
    bool schreibtWav = false;  // beende() writes `ms` of sound to `datei`

private:
    bool laeuft_ = false;
};

// A mono 16-bit sine wave of that length, written through the recorder's own writer.
bool schreibeSinusWav(const QString& pfad, int ms, int rate = 22050);
// An MJPEG AVI of colour bars with a moving marker and the frame number.
bool schreibeTestAvi(const QString& pfad, int breite, int hoehe, int bilder, int bilderProSekunde);
