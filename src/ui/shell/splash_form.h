#pragma once

#include <QWidget>

// The start-up picture: a borderless black window with a 350 x 200 picture in a lowered
// 2-pixel frame, painted at once while the main window is built.
namespace kv {

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);
    void ShowNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// The picture itself: a league table's look in the program's colours, drawn here.
QImage SplashPicture();

} // namespace kv
