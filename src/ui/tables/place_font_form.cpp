#include "ui/tables/place_font_form.h"

#include "base/language.h"
#include "render/paint_tools.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kv {

TSTFontForm::TSTFontForm(TDialogSeam& dialogs, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSTFontForm"));
    setWindowTitle(LangText(10000, "Font"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* styles = new QGroupBox(LangText(10009, "Style"), this);
    auto* styleLayout = new QVBoxLayout(styles);
    const char* names[4] = {"BoldBox", "ItalicBox", "UnderlineBox", "StrikeOutBox"};
    const int ids[4] = {10001, 10002, 10003, 10004};
    const char* texts[4] = {"&Bold", "&Italic", "&Underline", "&Strikeout"};
    for (int i = 0; i < 4; ++i) {
        styles_[i] = Named(new QCheckBox(LangText(ids[i], texts[i]), styles), names[i]);
        styleLayout->addWidget(styles_[i]);
        connect(styles_[i], &QCheckBox::toggled, this, &TSTFontForm::UpdateSample);
    }
    upper_ = Named(new QCheckBox(LangText(10005, "Upper C&ase"), styles), "UpperCaseBox");
    styleLayout->addWidget(upper_);
    connect(upper_, &QCheckBox::toggled, this, &TSTFontForm::UpdateSample);
    row->addWidget(styles);
    auto* right = new QVBoxLayout;
    color_ = Named(new TColorButton(dialogs, LangText(10006, "&Color..."), this), "ColorBtn");
    connect(color_, &TColorButton::ColorChosen, this, &TSTFontForm::UpdateSample);
    right->addWidget(color_);
    auto* sampleBox = new QGroupBox(LangText(10007, "Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sample_ = Named(new QLabel(sampleBox), "SampleLabel");
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(160, 48);
    sample_->setAutoFillBackground(true);
    sampleLayout->addWidget(sample_);
    right->addWidget(sampleBox, 1);
    row->addLayout(right, 1);
    layout->addLayout(row);
    layout->addWidget(MakeDialogButtons(*this, false).Box);
    Load(TFontData{}, false);
}

void TSTFontForm::Load(const TFontData& font, bool upperCase) {
    font_ = font;
    const bool styles[4] = {font.Bold, font.Italic, font.Underline, font.StrikeOut};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(styles_[i]);
        styles_[i]->setChecked(styles[i]);
    }
    const QSignalBlocker block(upper_);
    upper_->setChecked(upperCase);
    color_->SetColor(font.Color);
    UpdateSample();
}

TFontData TSTFontForm::Font() const {
    TFontData f = font_;
    f.Color = color_->Color();
    f.Bold = styles_[0]->isChecked();
    f.Italic = styles_[1]->isChecked();
    f.Underline = styles_[2]->isChecked();
    f.StrikeOut = styles_[3]->isChecked();
    return f;
}

bool TSTFontForm::UpperCase() const {
    return upper_->isChecked();
}

void TSTFontForm::UpdateSample() {
    const QString text = LangText(10008, "AaBbYyZz");
    ShowFontSample(*sample_, Font(), clWhite, UpperCase() ? text.toUpper() : text);
}

} // namespace kv
