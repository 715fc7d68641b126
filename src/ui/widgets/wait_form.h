#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The wait window of long operations: borderless, always on top, centred, with a text
// ("Please wait..." unless given) and a progress bar from 0 to 100.
namespace kv {

class TWaitForm : public QWidget {
    Q_OBJECT
public:
    explicit TWaitForm(const QString& text = QString(), QWidget* parent = nullptr);
    void SetProgress(int percent);
    void SetText(const QString& text);
    // Shows the window and paints it at once.
    void ShowNow();

private:
    QLabel* label_;
    QProgressBar* bar_;
};

} // namespace kv
