#pragma once

#include "base/fontdata.h"

#include <QToolButton>

class QLabel;

// A button that shows a colour and lets the user choose another: a click opens the colour
// dialog, the arrow offers the desktop's system colours (button face, window, ...), which the
// tables follow when the desktop's colours change.
namespace kv {

class TDialogSeam;

class TColorButton : public QToolButton {
    Q_OBJECT
public:
    TColorButton(TDialogSeam& dialogs, const QString& text, QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    // Shows the colour without telling anyone.
    void SetColor(TColor color);
    // Opens the colour dialog, as a click does.
    void Choose();

signals:
    // The user chose a colour (the same one again counts too).
    void ColorChosen(TColor color);

private:
    void Pick(TColor color);

    TDialogSeam& dialogs_;
    TColor color_ = 0;
};

// A sample of a font on a background: the label shows `text` so, at a readable size.
void ShowFontSample(QLabel& label, const TFontData& font, TColor background, const QString& text);

// The system colours the button offers, with their names.
struct TSystemColor {
    TColor Color;
    QString Name;
};
std::vector<TSystemColor> SystemColors();

} // namespace kv
