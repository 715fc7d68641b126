#include "ui/output/print_preview_form.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "export/html_export.h"
#include "model/group.h"
#include "model/tournament.h"
#include "standings/tournament_setup.h"
#include "ui/output/page_preview.h"
#include "ui/output/print_tools.h"
#include "ui/output/select_tables_frame.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/widget_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kv {

std::vector<const TGroup*> PrintableTables(const TTournament& t) {
    std::vector<const TGroup*> tables;
    for (const TGroup* g : TablesForExport(t, TSelectTablesFrame::AllTables(t))) {
        PrepareTable(t, *g);
        tables.push_back(g);
    }
    return tables;
}

bool PrintTablePages(QPrinter& printer, const TTournament& t,
                     const std::vector<const TGroup*>& tables, const TPrintSettings& s,
                     const QString& title, const QString& subtitle) {
    printer.setFullPage(true);
    printer.setDocName(QLatin1String(kProductName) + QStringLiteral(" - ") + t.Name);
    const TPaper paper = PaperOf(printer);
    const std::vector<QSize> sizes = TableSizes(t, tables);
    const double width = s.PrintableArea(paper).width();
    const TPrintPages pages = LayoutTablePages(
        sizes, paper, s, s.ShowTitle ? TitleHeight(title, s.TitleFont, width, paper.Dpi) : 0,
        s.ShowSubtitle ? TitleHeight(subtitle, s.SubtitleFont, width, paper.Dpi) : 0);
    QPainter p;
    if (!p.begin(&printer)) return false;
    for (int page = 0; page < pages.Pages; ++page) {
        if (page > 0) printer.newPage();
        PaintTablePage(p, t, tables, sizes, pages, page, paper, s, title, subtitle);
    }
    return p.end();
}

TPrintPreviewForm::TPrintPreviewForm(const TTournament& t, QPrinter& printer, TDialogSeam& dialogs,
                                     QWidget* parent)
    : QDialog(parent), tournament_(t), printer_(printer), dialogs_(dialogs),
      tables_(PrintableTables(t)) {
    setObjectName(QStringLiteral("TPrintPreviewForm"));
    setWindowTitle(LangText(8000, "Print setup"));
    printer_.setFullPage(true);
    tableSizes_ = TableSizes(t, tables_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildSettings());
    auto* right = new QVBoxLayout;
    auto* pageRow = new QHBoxLayout;
    auto* pageLabel = new QLabel(LangText(8030, "&Page:"), this);
    page_ = Named(new QSpinBox(this), "PageEdit");
    pageLabel->setBuddy(page_);
    pageCount_ = Named(new QLabel(this), "PageCountLabel");
    pageRow->addWidget(pageLabel);
    pageRow->addWidget(page_);
    pageRow->addWidget(pageCount_);
    pageRow->addStretch(1);
    right->addLayout(pageRow);
    preview_ = new TPagePreview(this);
    right->addWidget(preview_, 1);
    auto* box = new QDialogButtonBox(this);
    Named(box->addButton(LangText(1000, "OK"), QDialogButtonBox::AcceptRole), "OkBtn")
        ->setDefault(true);
    Named(box->addButton(LangText(1001, "Cancel"), QDialogButtonBox::RejectRole), "CancelBtn");
    AddHelpButton(*box, *this);
    auto* save =
        Named(box->addButton(LangText(8033, "&Save Settings"), QDialogButtonBox::ActionRole),
              "SaveSettingsBtn");
    connect(box, &QDialogButtonBox::accepted, this, &TPrintPreviewForm::accept);
    connect(box, &QDialogButtonBox::rejected, this, &TPrintPreviewForm::reject);
    connect(save, &QPushButton::clicked, this, &TPrintPreviewForm::SaveSettings);
    right->addWidget(box);
    layout->addLayout(right, 1);
    preview_->SetPainter([this](QPainter& p, int page) {
        const TPrintSettings s = Settings();
        PaintTablePage(p, tournament_, tables_, tableSizes_, pages_, page, Paper(), s,
                       title_[0]->text(), title_[1]->text());
    });
    connect(page_, &QSpinBox::valueChanged, this,
            [this](int page) { preview_->SetPage(page - 1); });
    Load(TPrintSettings::FromSettings());
    resize(940, 640);
}

QWidget* TPrintPreviewForm::BuildSettings() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    const auto changed = [this] {
        if (!loading_) Update();
    };

    auto* margins = new QGroupBox(LangText(8001, "Margins"), panel);
    auto* marginGrid = new QGridLayout(margins);
    units_ = Named(new QComboBox(margins), "UnitsCB");
    units_->addItems({LangText(8002, "Centimeters"), LangText(8003, "Inches")});
    auto* unitsLabel = new QLabel(LangText(8004, "&Units:"), margins);
    unitsLabel->setBuddy(units_);
    marginGrid->addWidget(unitsLabel, 0, 0);
    marginGrid->addWidget(units_, 0, 1, 1, 3);
    const char* names[4] = {"LeftEdit", "TopEdit", "RightEdit", "BottomEdit"};
    const int ids[4] = {8006, 8005, 8007, 8008};
    const char* texts[4] = {"&Left:", "&Top:", "&Right:", "&Bottom:"};
    for (int i = 0; i < 4; ++i) {
        margins_[i] = Named(new QDoubleSpinBox(margins), names[i]);
        margins_[i]->setDecimals(2);
        margins_[i]->setSingleStep(0.1);
        auto* label = new QLabel(LangText(ids[i], texts[i]), margins);
        label->setBuddy(margins_[i]);
        marginGrid->addWidget(label, 1 + i / 2, (i % 2) * 2);
        marginGrid->addWidget(margins_[i], 1 + i / 2, (i % 2) * 2 + 1);
        connect(margins_[i], &QDoubleSpinBox::valueChanged, this, changed);
    }
    connect(units_, &QComboBox::currentIndexChanged, this, [this](int units) {
        loading_ = true;
        ConvertMarginFields(margins_, units);
        loading_ = false;
        Update();
    });
    column->addWidget(margins);

    auto* size = new QGroupBox(LangText(8009, "S&ize"), panel);
    auto* sizeGrid = new QGridLayout(size);
    const char* sizeNames[4] = {"ActualSizeBtn", "FitPageBtn", "FitAllBtn", "SpecifiedSizeBtn"};
    const char* sizeTexts[4] = {"Actual Size", "Fit to Page", "Fit All Tables to Single Page",
                                "Specified Size"};
    for (int i = 0; i < 4; ++i) {
        sizes_[i] = Named(new QRadioButton(LangText(8010 + i, sizeTexts[i]), size), sizeNames[i]);
        sizeGrid->addWidget(sizes_[i], i, 0, 1, 2);
        connect(sizes_[i], &QRadioButton::clicked, this, [this, i] { SetSize(i); });
    }
    zoom_ = Named(new QDoubleSpinBox(size), "ZoomEdit");
    zoom_->setRange(1, 1000);
    zoom_->setDecimals(1);
    auto* zoomLabel = new QLabel(LangText(8014, "&Zoom (%):"), size);
    zoomLabel->setBuddy(zoom_);
    sizeGrid->addWidget(zoomLabel, 4, 0);
    sizeGrid->addWidget(zoom_, 4, 1);
    // A typed zoom is the actual size at 100, a size of its own otherwise.
    connect(zoom_, &QDoubleSpinBox::valueChanged, this, [this](double zoom) {
        if (loading_) return;
        sizes_[zoom == 100 ? SizeActual : SizeSpecified]->setChecked(true);
        Update();
    });
    column->addWidget(size);

    auto* position = new QGroupBox(LangText(8015, "&Position"), panel);
    auto* positionLayout = new QVBoxLayout(position);
    center_ = Named(new QCheckBox(LangText(8016, "Center on Page"), position), "CenterChB");
    position_ = Named(new QComboBox(position), "PositionCB");
    position_->addItems(
        {LangText(8017, "Group by Group"), LangText(8018, "Each Group on a Single Page")});
    positionLayout->addWidget(center_);
    positionLayout->addWidget(position_);
    connect(center_, &QCheckBox::toggled, this, changed);
    connect(position_, &QComboBox::currentIndexChanged, this, changed);
    column->addWidget(position);

    auto* titles = new QGroupBox(LangText(8019, "Titles"), panel);
    auto* titleGrid = new QGridLayout(titles);
    const char* showNames[2] = {"ShowTitleChB", "ShowSubtitleChB"};
    const char* showTexts[2] = {"Sho&w Title", "Show Subtitl&e"};
    const char* editNames[2] = {"TitleEdit", "SubtitleEdit"};
    const char* fontNames[2] = {"TitleFontBtn", "SubtitleFontBtn"};
    for (int i = 0; i < 2; ++i) {
        showTitle_[i] =
            Named(new QCheckBox(LangText(8020 + i, showTexts[i]), titles), showNames[i]);
        title_[i] = Named(new QLineEdit(titles), editNames[i]);
        auto* font = Named(new QPushButton(LangText(8022, "Font..."), titles), fontNames[i]);
        font->setAutoDefault(false);
        titleGrid->addWidget(showTitle_[i], i * 2, 0);
        titleGrid->addWidget(font, i * 2, 1);
        titleGrid->addWidget(title_[i], i * 2 + 1, 0, 1, 2);
        connect(showTitle_[i], &QCheckBox::toggled, this, changed);
        connect(title_[i], &QLineEdit::textChanged, this, changed);
        connect(font, &QPushButton::clicked, this, [this, i] { ChooseTitleFont(i == 1); });
    }
    title_[0]->setText(tournament_.Name);
    title_[1]->setText(
        ShortDateText(static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate()))));
    column->addWidget(titles);

    const int mode = tournament_.View.TableMode;
    const bool divisions = mode == TableModeGroups && tournament_.HasConferences();
    const bool conferences = mode == TableModeConferences;
    range_ = new QGroupBox(conferences ? LangText(8023, "Print Conferences")
                           : divisions ? LangText(8024, "Print Divisions")
                                       : LangText(8025, "Print Groups"),
                           panel);
    range_->setObjectName(QStringLiteral("RangeBox"));
    auto* rangeGrid = new QGridLayout(range_);
    all_ = Named(new QRadioButton(conferences ? LangText(8026, "&All Conferences")
                                  : divisions ? LangText(8027, "&All Divisions")
                                              : LangText(8028, "&All Groups"),
                                  range_),
                 "AllGroupsBtn");
    some_ = Named(new QRadioButton(conferences ? LangText(8038, "&Conferences:")
                                   : divisions ? LangText(8039, "&Divisions:")
                                               : LangText(8029, "&Groups:"),
                                   range_),
                  "SomeGroupsBtn");
    from_ = Named(new QLineEdit(QStringLiteral("1"), range_), "FromEdit");
    to_ = Named(new QLineEdit(QString::number(std::max<size_t>(1, tables_.size())), range_),
                "ToEdit");
    from_->setMaximumWidth(50);
    to_->setMaximumWidth(50);
    rangeGrid->addWidget(all_, 0, 0, 1, 5);
    rangeGrid->addWidget(some_, 1, 0);
    auto* fromLabel = new QLabel(LangText(8040, "&From:"), range_);
    fromLabel->setBuddy(from_);
    auto* toLabel = new QLabel(LangText(8041, "T&o:"), range_);
    toLabel->setBuddy(to_);
    rangeGrid->addWidget(fromLabel, 1, 1);
    rangeGrid->addWidget(from_, 1, 2);
    rangeGrid->addWidget(toLabel, 1, 3);
    rangeGrid->addWidget(to_, 1, 4);
    all_->setChecked(true);
    range_->setEnabled(tables_.size() > 1);
    connect(all_, &QRadioButton::toggled, this, changed);
    connect(from_, &QLineEdit::textChanged, this, changed);
    connect(to_, &QLineEdit::textChanged, this, changed);
    column->addWidget(range_);
    column->addStretch(1);
    return panel;
}

void TPrintPreviewForm::Load(const TPrintSettings& s) {
    loading_ = true;
    units_->setCurrentIndex(s.Units == PaperInches ? 1 : 0);
    ShowMargins(margins_, s);
    sizes_[SizeActual]->setChecked(true);
    zoom_->setValue(100);
    center_->setChecked(s.CenterOnPage);
    position_->setCurrentIndex(s.Position);
    showTitle_[0]->setChecked(s.ShowTitle);
    showTitle_[1]->setChecked(s.ShowSubtitle);
    fonts_[0] = s.TitleFont;
    fonts_[1] = s.SubtitleFont;
    loading_ = false;
    Update();
}

TPaper TPrintPreviewForm::Paper() const {
    return PaperOf(printer_);
}

TPrintSettings TPrintPreviewForm::Settings() const {
    TPrintSettings s;
    s.Landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    static_cast<TPaperMargins&>(s) = MarginsOf(margins_, units_->currentIndex());
    s.ShowTitle = showTitle_[0]->isChecked();
    s.ShowSubtitle = showTitle_[1]->isChecked();
    s.TitleFont = fonts_[0];
    s.SubtitleFont = fonts_[1];
    s.Position = position_->currentIndex();
    s.CenterOnPage = center_->isChecked();
    s.Zoom = zoom_->value();
    for (int i = 0; i < 4; ++i)
        if (sizes_[i]->isChecked()) s.Size = i;
    s.AllTables = all_->isChecked() || !range_->isEnabled();
    bool ok = false;
    s.From = from_->text().toInt(&ok);
    if (!ok) s.From = 1;
    s.To = to_->text().toInt(&ok);
    if (!ok) s.To = static_cast<int>(tables_.size());
    return s;
}

double TPrintPreviewForm::TitleHeightOf(int which, const TPrintSettings& s) const {
    const bool shown = which == 0 ? s.ShowTitle : s.ShowSubtitle;
    const TPaper paper = Paper();
    const double width = s.PrintableArea(paper).width();
    return shown ? TitleHeight(title_[which]->text(), fonts_[which], width, paper.Dpi) : 0;
}

// The zooms that fit follow every change of what they depend on.
void TPrintPreviewForm::Update() {
    TPrintSettings s = Settings();
    const TPaper paper = Paper();
    for (int i = 0; i < 4; ++i) {
        const bool width = i % 2 == 0;
        margins_[i]->setMaximum(
            PaperLimit(width ? paper.Size.width() : paper.Size.height(), s.Units, paper.Dpi));
    }
    if (s.Size == SizeFitPage || s.Size == SizeFitAll) {
        const double zoom =
            s.Size == SizeFitPage
                ? FitToPageZoom(tableSizes_, paper, s, TitleHeightOf(0, s), TitleHeightOf(1, s))
                : FitAllZoom(tableSizes_, paper, s, TitleHeightOf(0, s), TitleHeightOf(1, s));
        loading_ = true;
        zoom_->setValue(zoom);
        loading_ = false;
        s.Zoom = zoom;
    }
    center_->setEnabled(s.Size != SizeFitAll);
    position_->setEnabled(s.Size != SizeFitAll);
    pages_ = LayoutTablePages(tableSizes_, paper, s, TitleHeightOf(0, s), TitleHeightOf(1, s));
    preview_->SetPaper(paper.Size, paper.Dpi);
    page_->setRange(1, pages_.Pages);
    page_->setEnabled(pages_.Pages > 1);
    pageCount_->setText(Fmt(LangText(8031, "of %d"), pages_.Pages));
    preview_->update();
}

void TPrintPreviewForm::SetSize(int size) {
    sizes_[std::clamp(size, 0, 3)]->setChecked(true);
    if (size == SizeActual) {
        loading_ = true;
        zoom_->setValue(100);
        loading_ = false;
    } else if (size == SizeFitAll) {
        // All on one page: one after the other, at the left.
        loading_ = true;
        position_->setCurrentIndex(PositionGroupByGroup);
        center_->setChecked(false);
        loading_ = false;
    }
    Update();
}

void TPrintPreviewForm::SaveSettings() {
    Settings().Save();
}

void TPrintPreviewForm::ChooseTitleFont(bool subtitle) {
    TFontData& font = fonts_[subtitle ? 1 : 0];
    if (dialogs_.ChooseFont(this, LangText(8022, "Font..."), font)) Update();
}

void TPrintPreviewForm::accept() {
    if (range_->isEnabled() && some_->isChecked()) {
        int field = 0, first = 0, last = 0;
        const QString refused = CheckPrintRange(
            from_->text(), to_->text(), static_cast<int>(tables_.size()), field, first, last);
        if (!refused.isEmpty()) {
            ShowAppMessage(refused, TMessageKind::Information);
            (field == 0 ? from_ : to_)->setFocus();
            return;
        }
    }
    const TPrintSettings s = Settings();
    RegWriteBool(QStringLiteral("Print"), QStringLiteral("PrintLandscape"), s.Landscape);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed =
        PrintTablePages(printer_, tournament_, tables_, s, title_[0]->text(), title_[1]->text());
    QApplication::restoreOverrideCursor();
    if (!printed) {
        ShowAppMessage(LangText(8042, "The printer could not be used"), TMessageKind::Error);
        return;
    }
    QDialog::accept();
}

} // namespace kv
