#pragma once
// "BSC-Modell": corrupts a copy of a file through a binary symmetric channel.

#include "app/jobs/jobdialog.h"

namespace zor::app {

class BscDialog : public Jobdialog {
    Q_OBJECT
public:
    explicit BscDialog(Kontext& kontext);

protected:
    void ok() override;
};

}  // namespace zor::app
