#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// A strip at the foot of a tournament window while the places still possible take long to
// work out: what is being done, how far it is, and a button to stop it. Quick work never
// shows it: it comes when the runner calls the places found before stale.
namespace kv {

class TOutlookRunner;

class TOutlookBar : public QWidget {
    Q_OBJECT
public:
    TOutlookBar(TOutlookRunner& runner, QWidget* parent = nullptr);

    void ApplyTexts();

private:
    void OnProgress(int done, int total);

    TOutlookRunner& runner_;
    QLabel* label_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace kv
