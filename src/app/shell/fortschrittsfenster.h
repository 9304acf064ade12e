#pragma once
// The progress window every long job shows (dialog 608): a file or job name, a status
// text, a bar from 0 to 101 and the percent number. Jobs run on the UI thread, so each
// step repaints the window synchronously; nothing here lets events re-enter the job.

#include <QDialog>

#include "core/util/fortschritt.h"

class QLabel;
class QProgressBar;

namespace zor::app {

class Fortschrittsfenster : public QDialog, public zor::Fortschritt {
    Q_OBJECT
public:
    explicit Fortschrittsfenster(QWidget* eltern = nullptr);

    void start(const std::string& label, const std::string& status) override;
    void step(int k) override;
    void end() override;

    int balken() const;
    QString prozent() const;

private:
    QLabel* datei_;
    QLabel* status_;
    QProgressBar* balken_;
    QLabel* prozent_;
};

}  // namespace zor::app
