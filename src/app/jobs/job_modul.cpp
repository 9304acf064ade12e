#include "app/jobs/job_modul.h"

#include "app/jobs/bsc_dialog.h"
#include "app/jobs/ffofab_dialog.h"
#include "app/jobs/gemc_verfaelschen_dialog.h"
#include "app/jobs/muster_dialog.h"
#include "app/jobs/vergleich_dialog.h"
#include "app/context/befehle.h"

namespace zor::app {

namespace {

template <class D, class... A>
void zeige(Kontext& k, A... a) {
    D d(k, a...);
    d.exec();
}

}  // namespace

JobModul::JobModul(Kontext& k) : Befehlsmodul(k) {
    registriere({CMD_VERF_BSC}, [&k](int) { zeige<BscDialog>(k); });
    registriere({CMD_VERF_GE}, [&k](int) { zeige<GeMcVerfaelschenDialog>(k, Zweizustand::GE); });
    registriere({CMD_VERF_MC}, [&k](int) { zeige<GeMcVerfaelschenDialog>(k, Zweizustand::MC); });
    registriere({CMD_VERF_FFO_FAB}, [&k](int) { zeige<MusterDialog>(k); });
    registriere({CMD_VERGLEICHSDATEI}, [&k](int) { zeige<VergleichDialog>(k); });
    registriere({CMD_FFO_FAB_AUS_VGL}, [&k](int) { zeige<FfoFabDialog>(k); });
}

}  // namespace zor::app
