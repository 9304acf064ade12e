#pragma once
// "Gilbert-Elliott-Modell" and "Mc Cullough-Modell": corrupt a copy of a file through a
// two-state channel. Both dialogs have the same controls; their table row says how the
// model's texts, start values, checks and job differ.

#include "app/jobs/jobdialog.h"

namespace zor::app {

enum class Zweizustand { GE, MC };

class GeMcVerfaelschenDialog : public Jobdialog {
    Q_OBJECT
public:
    GeMcVerfaelschenDialog(Kontext& kontext, Zweizustand modell);

protected:
    void ok() override;

private:
    QLayout* gruppenUndBild();
    Zweizustand modell_;
};

}  // namespace zor::app
