#pragma once

#include "base/fontdata.h"

#include <QDialog>

class QCheckBox;
class QLabel;

// The font of a team or of a place in a table: only its colour, its styles and whether the
// team's name is shown in capitals; name and size come from the table's font.
namespace kv {

class TColorButton;
class TDialogSeam;

class TSTFontForm : public QDialog {
    Q_OBJECT
public:
    explicit TSTFontForm(TDialogSeam& dialogs, QWidget* parent = nullptr);

    // The font to start from and its upper-case switch.
    void Load(const TFontData& font, bool upperCase);
    TFontData Font() const;
    bool UpperCase() const;

    TColorButton& ColorButton() const { return *color_; }

private:
    void UpdateSample();

    TFontData font_;
    QCheckBox* styles_[4] = {};
    QCheckBox* upper_ = nullptr;
    TColorButton* color_ = nullptr;
    QLabel* sample_ = nullptr;
};

} // namespace kv
