#include "app/plot/drucker.h"

#include <QPrinterInfo>

#include <utility>

namespace zor::app {
namespace {

Druckersuche& suche() {
    static Druckersuche s = [] { return QPrinterInfo::defaultPrinterName(); };
    return s;
}

}  // namespace

Druckersuche setzeDruckersuche(Druckersuche neu) { return std::exchange(suche(), std::move(neu)); }

QString standardDrucker() { return suche() ? suche()() : QString(); }

}  // namespace zor::app
