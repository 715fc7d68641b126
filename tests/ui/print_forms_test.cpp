// Printing from the windows into PDF files: the print setup with its range check and its
// page count, one table a page, the stored settings, and the fixture list's preview printed.
#include "ui/ui_support.h"

#include "base/settings.h"
#include "edit/tournament_document.h"
#include "model/tournament.h"
#include "ui/output/grid_print_preview_form.h"
#include "ui/output/grid_print_setting_form.h"
#include "ui/output/print_preview_form.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace kv;
using kvtest::Child;

namespace {

class PrintForms : public kvtest::TMainWindowTest {
protected:
    static int PdfPages(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return -1;
        const QString pdf = QString::fromLatin1(f.readAll());
        return static_cast<int>(
            pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
    }
    template <typename T> static void Answer(std::function<void(T&)> answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }
};

} // namespace

TEST_F(PrintForms, TablesPrintOneAPageAfterTheRangeIsChecked) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    const QString pdf = HomePath(QStringLiteral("tables.pdf"));
    Dialogs.Printers.push_back(pdf);
    int tables = 0;
    std::vector<std::string> refusals;
    bool stayed = false;
    Answer<TPrintPreviewForm>([&](TPrintPreviewForm& d) {
        tables = d.TableCount();
        EXPECT_TRUE(Child<QGroupBox>(d, "RangeBox").isEnabled());
        Child<QComboBox>(d, "PositionCB").setCurrentIndex(PositionGroupPerPage);
        EXPECT_EQ(d.Pages().Pages, tables);
        EXPECT_TRUE(Child<QSpinBox>(d, "PageEdit").isEnabled());
        Child<QRadioButton>(d, "SomeGroupsBtn").setChecked(true);
        Child<QLineEdit>(d, "FromEdit").setText(QStringLiteral("two"));
        d.accept();
        refusals.push_back(Messages.Texts().back().toStdString());
        Child<QLineEdit>(d, "FromEdit").setText(QStringLiteral("3"));
        Child<QLineEdit>(d, "ToEdit").setText(QStringLiteral("2"));
        d.accept();
        refusals.push_back(Messages.Texts().back().toStdString());
        stayed = d.isVisible();
        Child<QLineEdit>(d, "FromEdit").setText(QStringLiteral("1"));
        Child<QLineEdit>(d, "ToEdit").setText(QString::number(tables));
        d.accept();
    });
    form->Print();
    ASSERT_GT(tables, 1);
    EXPECT_TRUE(stayed);
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_EQ(refusals[0], "'two' is not a valid number");
    EXPECT_EQ(refusals[1], "'From' number cannot exceed 'To' number");
    EXPECT_EQ(PdfPages(pdf), tables);
}

TEST_F(PrintForms, SizesTitlesAndSettings) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    TPrintPreviewForm d(form->Document().Tournament(), printer, Dialogs);
    // One table: the range does not apply.
    EXPECT_EQ(d.TableCount(), 1);
    EXPECT_FALSE(Child<QGroupBox>(d, "RangeBox").isEnabled());
    EXPECT_FALSE(Child<QSpinBox>(d, "PageEdit").isEnabled());
    EXPECT_EQ(d.TitleEdit(0).text(), form->Document().Tournament().Name);
    d.SetSize(SizeFitPage);
    const double fit = Child<QDoubleSpinBox>(d, "ZoomEdit").value();
    EXPECT_GT(fit, 100);
    d.SetSize(SizeFitAll);
    EXPECT_FALSE(Child<QCheckBox>(d, "CenterChB").isEnabled());
    d.SetSize(SizeActual);
    EXPECT_EQ(Child<QDoubleSpinBox>(d, "ZoomEdit").value(), 100);
    Child<QDoubleSpinBox>(d, "ZoomEdit").setValue(80);
    EXPECT_TRUE(d.SizeButton(SizeSpecified).isChecked());
    // Inches: the margins keep their length.
    Child<QComboBox>(d, "UnitsCB").setCurrentIndex(1);
    EXPECT_NEAR(d.Margin(0).value(), 1.5 / 2.54, 0.01);
    Child<QCheckBox>(d, "ShowSubtitleChB").setChecked(false);
    d.SaveSettings();
    const TPrintSettings stored = TPrintSettings::FromSettings();
    EXPECT_EQ(stored.Units, PaperInches);
    EXPECT_FALSE(stored.ShowSubtitle);
    EXPECT_TRUE(stored.ShowTitle);
}

// The small page of the preview keeps every line of a table: its outer border too, which
// drawn straight at a fraction of a pixel fell between the panel's pixels.
TEST_F(PrintForms, ThePreviewKeepsTheTablesBorders) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    TPrintPreviewForm d(form->Document().Tournament(), printer, Dialogs);
    d.resize(940, 660);
    d.show();
    auto* preview = d.findChild<QWidget*>(QStringLiteral("PagePreview"));
    ASSERT_NE(preview, nullptr);
    const QImage shot = preview->grab().toImage();
    const auto ink = [&shot](int x, int y) { return qGray(shot.pixel(x, y)) < 235; };
    // The paper: the white area in the middle of the panel; the table: the ink on it.
    const int middle = shot.height() / 2;
    int left = shot.width() / 2, right = left;
    while (left > 0 && qGray(shot.pixel(left - 1, middle)) == 255)
        --left;
    while (right < shot.width() - 1 && qGray(shot.pixel(right + 1, middle)) == 255)
        ++right;
    int top = middle;
    while (top > 0 && qGray(shot.pixel(left + 2, top - 1)) == 255)
        --top; // along the margin
    int inkRight = -1;
    for (int x = left + 1; x < right; ++x)
        for (int y = top + 1; y < middle; ++y)
            if (ink(x, y)) inkRight = std::max(inkRight, x);
    ASSERT_GT(inkRight, left);
    // The rightmost ink is the border: one line down the whole table, not the last column's text.
    int run = 0, longest = 0;
    for (int y = top + 1; y < middle; ++y) {
        run = ink(inkRight, y) || ink(inkRight - 1, y) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    EXPECT_GT(longest, 30);
}

TEST_F(PrintForms, TheFixtureListPrintsFromItsPreview) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    form->Command(TCommandId::ShowFixtures)->trigger();
    const QString pdf = HomePath(QStringLiteral("fixtures.pdf"));
    int pages = 0;
    Answer<TGridPrintPreviewForm>([&](TGridPrintPreviewForm& d) {
        pages = d.PageCount();
        EXPECT_EQ(Child<QLabel>(d, "PageLabel").text(), QStringLiteral("Page 1 of %1").arg(pages));
        // Wider margins take more pages.
        TGridPrintSettings wide = TGridPrintSettings::FromSettings();
        wide.TopMargin = 24;
        d.ApplySettings(wide);
        EXPECT_GT(d.PageCount(), pages);
        pages = d.PageCount();
        d.ShowPage(pages - 1);
        EXPECT_EQ(Child<QLabel>(d, "PageLabel").text(), QStringLiteral("Page %1 of %1").arg(pages));
        Dialogs.Printers.push_back(pdf);
        EXPECT_TRUE(d.Print());
        d.reject();
    });
    form->Print();
    ASSERT_GT(pages, 1);
    EXPECT_EQ(PdfPages(pdf), pages);
    EXPECT_DOUBLE_EQ(TGridPrintSettings::FromSettings().TopMargin, 24);
}

TEST_F(PrintForms, ThePageSetupOfGridsKeepsLengthsAcrossUnits) {
    TGridPrintSettings s;
    s.LeftMargin = 2.54;
    s.HorzCenter = true;
    TGridPrintSettingForm form(s);
    EXPECT_TRUE(Child<QCheckBox>(form, "CenterChB").isChecked());
    Child<QComboBox>(form, "UnitsCB").setCurrentIndex(1); // inches
    EXPECT_NEAR(form.Margin(0).value(), 1.0, 0.001);
    const TGridPrintSettings back = form.Settings();
    EXPECT_EQ(back.Units, PaperInches);
    EXPECT_NEAR(back.LeftMargin, 1.0, 0.001);
    EXPECT_TRUE(back.HorzCenter);
}
