#pragma once
// "FFO/FAB-Verfahren": corrupts a copy of a file by a stored error pattern.

#include "app/jobs/jobdialog.h"

namespace zor::app {

class MusterDialog : public Jobdialog {
    Q_OBJECT
public:
    explicit MusterDialog(Kontext& kontext);

protected:
    void ok() override;
};

}  // namespace zor::app
