#include "ui/output/grid_print_preview_form.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "ui/output/grid_print_setting_form.h"
#include "ui/output/page_preview.h"
#include "ui/output/print_tools.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kv {

namespace {

QString AppTitle() {
    return QLatin1String(kProductName);
}

} // namespace

bool PrintGridPages(QPrinter& printer, const TGridData& grid, const std::vector<int>& rows,
                    const std::vector<int>& widths, const TGridPrintSettings& s,
                    const QStringList& headings) {
    printer.setFullPage(true);
    const TPaper paper = PaperOf(printer);
    const TGridPages pages = LayoutGridPages(grid, rows, widths, paper, s, headings);
    QPainter p;
    if (!p.begin(&printer)) return false;
    for (int page = 0; page < pages.PageCount(); ++page) {
        if (page > 0) printer.newPage();
        PaintGridPage(p, grid, rows, pages, page, paper, headings, AppTitle());
    }
    return p.end();
}

TGridPrintPreviewForm::TGridPrintPreviewForm(const TGridData& grid, std::vector<int> rows,
                                             std::vector<int> widths, const QString& title,
                                             TDialogSeam& dialogs, QWidget* parent)
    : QDialog(parent), grid_(grid), rows_(std::move(rows)), widths_(std::move(widths)),
      title_(title), dialogs_(dialogs), settings_(TGridPrintSettings::FromSettings()) {
    setObjectName(QStringLiteral("TGridPrintPreviewForm"));
    setWindowTitle(LangText(12200, "Print Preview"));
    printer_.setFullPage(true);
    printer_.setDocName(AppTitle() + QStringLiteral(" - ") + title);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* print = Named(new QPushButton(LangText(12201, "&Print"), this), "PrintBtn");
    auto* setup =
        Named(new QPushButton(LangText(12202, "P&rinter Setup"), this), "PrinterSetupBtn");
    prior_ = Named(new QPushButton(LangText(12203, "&< Previous"), this), "PriorBtn");
    next_ = Named(new QPushButton(LangText(12204, "Next &>"), this), "NextBtn");
    auto* settings = Named(new QPushButton(LangText(12205, "&Settings"), this), "SettingsBtn");
    auto* close = Named(new QPushButton(LangText(12206, "&Close"), this), "CloseBtn");
    zoom_ = Named(new QComboBox(this), "ZoomCB");
    zoom_->addItems({QStringLiteral("500%"), QStringLiteral("200%"), QStringLiteral("150%"),
                     QStringLiteral("100%"), LangText(12209, "Full Page")});
    zoom_->setCurrentIndex(4);
    pageLabel_ = Named(new QLabel(this), "PageLabel");
    for (QWidget* w :
         std::initializer_list<QWidget*>{print, setup, prior_, next_, zoom_, settings, close})
        bar->addWidget(w);
    bar->addWidget(MakeHelpButton(*this));
    bar->addStretch(1);
    bar->addWidget(pageLabel_);
    layout->addLayout(bar);
    preview_ = new TPagePreview(this);
    scroll_ = Named(new QScrollArea(this), "PreviewScroll");
    scroll_->setWidget(preview_);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignHCenter);
    layout->addWidget(scroll_, 1);
    preview_->SetPainter([this](QPainter& p, int page) {
        PaintGridPage(p, grid_, rows_, pages_, page, Paper(), {title_}, AppTitle());
    });
    connect(print, &QPushButton::clicked, this, &TGridPrintPreviewForm::Print);
    connect(setup, &QPushButton::clicked, this, &TGridPrintPreviewForm::PrinterSetup);
    connect(prior_, &QPushButton::clicked, this, [this] { ShowPage(Page() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowPage(Page() + 1); });
    connect(settings, &QPushButton::clicked, this, &TGridPrintPreviewForm::EditSettings);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int zooms[] = {500, 200, 150, 100, 0};
        preview_->SetZoom(zooms[std::clamp(index, 0, 4)]);
        scroll_->setWidgetResizable(index == 4);
        if (index != 4) preview_->resize(preview_->sizeHint());
    });
    Relayout();
    resize(900, 700);
    if (RegReadBool(QStringLiteral("FixturesPrint"), QStringLiteral("Maximized"), true))
        setWindowState(windowState() | Qt::WindowMaximized);
}

TPaper TGridPrintPreviewForm::Paper() const {
    return PaperOf(printer_);
}

int TGridPrintPreviewForm::Page() const {
    return preview_->Page();
}

void TGridPrintPreviewForm::Relayout() {
    const TPaper paper = Paper();
    pages_ = LayoutGridPages(grid_, rows_, widths_, paper, settings_, {title_});
    preview_->SetPaper(paper.Size, paper.Dpi);
    ShowPage(std::min(Page(), PageCount() - 1));
}

void TGridPrintPreviewForm::ShowPage(int page) {
    page = std::clamp(page, 0, std::max(0, PageCount() - 1));
    preview_->SetPage(page);
    pageLabel_->setText(Fmt(LangText(12210, "Page %d of %d"), page + 1, PageCount()));
    prior_->setEnabled(page > 0);
    next_->setEnabled(page + 1 < PageCount());
}

bool TGridPrintPreviewForm::Print() {
    if (!dialogs_.ChoosePrinter(this, printer_)) return false;
    Relayout();
    return PrintGridPages(printer_, grid_, rows_, widths_, settings_, {title_});
}

void TGridPrintPreviewForm::PrinterSetup() {
    if (dialogs_.ChoosePrinter(this, printer_)) Relayout();
}

void TGridPrintPreviewForm::EditSettings() {
    TGridPrintSettingForm form(settings_, this);
    if (form.exec() == QDialog::Accepted) ApplySettings(form.Settings());
}

void TGridPrintPreviewForm::ApplySettings(const TGridPrintSettings& s) {
    settings_ = s;
    settings_.Save();
    Relayout();
}

void TGridPrintPreviewForm::done(int result) {
    RegWriteBool(QStringLiteral("FixturesPrint"), QStringLiteral("Maximized"), isMaximized());
    QDialog::done(result);
}

} // namespace kv
