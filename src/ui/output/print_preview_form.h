#pragma once

#include "render/print_layout.h"

#include "ui/output/print_tools.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;
class QSpinBox;

// "Print setup" of the standings tables: margins, size and zoom, position, titles and the range
// of tables, with a live preview of each page. OK prints.
namespace kv {

class TDialogSeam;
class TGroup;
class TPagePreview;
class TTournament;

class TPrintPreviewForm : public QDialog {
    Q_OBJECT
public:
    TPrintPreviewForm(const TTournament& t, QPrinter& printer, TDialogSeam& dialogs,
                      QWidget* parent = nullptr);

    TPrintSettings Settings() const;
    const TPrintPages& Pages() const { return pages_; }
    int TableCount() const { return static_cast<int>(tables_.size()); }
    void SetSize(int size);
    void SaveSettings();
    void ChooseTitleFont(bool subtitle);
    // Prints, after the range check: false (the window stays) when the range is refused.
    void accept() override;

    QDoubleSpinBox& Margin(int which) const { return *margins_[which]; } // left, top, right, bottom
    QRadioButton& SizeButton(int size) const { return *sizes_[size]; }
    QLineEdit& TitleEdit(int which) const { return *title_[which]; }

private:
    QWidget* BuildSettings();
    void Load(const TPrintSettings& s);
    void Update();
    TPaper Paper() const;
    double TitleHeightOf(int which, const TPrintSettings& s) const;

    const TTournament& tournament_;
    QPrinter& printer_;
    TDialogSeam& dialogs_;
    std::vector<const TGroup*> tables_;
    std::vector<QSize> tableSizes_;
    TFontData fonts_[2];
    TPrintPages pages_;
    bool loading_ = true; // until the fields are built and loaded
    QComboBox* units_ = nullptr;
    TMarginFields margins_{};
    QRadioButton* sizes_[4] = {};
    QDoubleSpinBox* zoom_ = nullptr;
    QCheckBox* center_ = nullptr;
    QComboBox* position_ = nullptr;
    QCheckBox* showTitle_[2] = {};
    QLineEdit* title_[2] = {};
    QGroupBox* range_ = nullptr;
    QRadioButton* all_ = nullptr;
    QRadioButton* some_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QSpinBox* page_ = nullptr;
    QLabel* pageCount_ = nullptr;
    TPagePreview* preview_ = nullptr;
};

// The tables the window prints: the joint table, every group or every conference table, by
// the view, prepared for drawing.
std::vector<const TGroup*> PrintableTables(const TTournament& t);
// Paints the laid-out pages into the printer.
bool PrintTablePages(QPrinter& printer, const TTournament& t,
                     const std::vector<const TGroup*>& tables, const TPrintSettings& s,
                     const QString& title, const QString& subtitle);

} // namespace kv
