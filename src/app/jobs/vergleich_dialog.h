#pragma once
// "Dateien-Vergleich": writes the comparison file of two files of equal length.

#include "app/jobs/jobdialog.h"

namespace zor::app {

class VergleichDialog : public Jobdialog {
    Q_OBJECT
public:
    explicit VergleichDialog(Kontext& kontext);

protected:
    void ok() override;
};

}  // namespace zor::app
