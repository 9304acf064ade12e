#pragma once
// The two-state model diagram of the GE and MC dialogs, drawn from the plot template
// "MAR.PLT" into area 303 with an isotropic mapping centred in the area, y upwards.

#include <QWidget>

namespace zor::app {

class MarBild : public QWidget {
    Q_OBJECT
public:
    // auswahl: 'g' for Gilbert-Elliott, 'm' for McCullough.
    MarBild(char auswahl, QWidget* eltern = nullptr);
    QSize sizeHint() const override { return {260, 180}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    char auswahl_;
};

}  // namespace zor::app
