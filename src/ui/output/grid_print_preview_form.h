#pragma once

#include "export/grid_print.h"

#include <QDialog>
#include <QPrinter>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

// "Print Preview" of a list grid: its pages with the captions repeated and the footer, paged
// through and zoomed, printed, or laid out again after the page setup changed.
namespace kv {

class TDialogSeam;
class TPagePreview;

class TGridPrintPreviewForm : public QDialog {
    Q_OBJECT
public:
    // `rows` index the grid's rows to print; `widths` are the columns' widths on screen.
    TGridPrintPreviewForm(const TGridData& grid, std::vector<int> rows, std::vector<int> widths,
                          const QString& title, TDialogSeam& dialogs, QWidget* parent = nullptr);

    int PageCount() const { return pages_.PageCount(); }
    int Page() const;
    void ShowPage(int page);
    // The print dialog, then every page to the printer.
    bool Print();
    void PrinterSetup();
    // The page setup; the pages are laid out again.
    void EditSettings();
    void ApplySettings(const TGridPrintSettings& s);

protected:
    void done(int result) override;

private:
    void Relayout();
    TPaper Paper() const;

    TGridData grid_;
    std::vector<int> rows_;
    std::vector<int> widths_;
    QString title_;
    TDialogSeam& dialogs_;
    QPrinter printer_{QPrinter::HighResolution};
    TGridPrintSettings settings_;
    TGridPages pages_;
    TPagePreview* preview_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QPushButton* prior_ = nullptr;
    QPushButton* next_ = nullptr;
};

// Paints every page of a grid into a printer; false when the printer cannot be painted on.
bool PrintGridPages(QPrinter& printer, const TGridData& grid, const std::vector<int>& rows,
                    const std::vector<int>& widths, const TGridPrintSettings& s,
                    const QStringList& headings);

} // namespace kv
