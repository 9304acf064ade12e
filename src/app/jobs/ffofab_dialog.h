#pragma once
// "Fehlerfolge/Fehlerabstand": derives the FFO or FAB of a comparison file.

#include "app/jobs/jobdialog.h"

namespace zor::app {

class FfoFabDialog : public Jobdialog {
    Q_OBJECT
public:
    explicit FfoFabDialog(Kontext& kontext);

protected:
    void ok() override;
};

}  // namespace zor::app
