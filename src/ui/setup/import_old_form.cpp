#include "ui/setup/import_old_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "ui/setup/main_table_frame.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kv {

TImportTableV2Form::TImportTableV2Form(const TTournamentList& list, const QString& source,
                                       const TLegacyInfo& info, QWidget* parent)
    : QDialog(parent), list_(list), source_(source), info_(info) {
    setObjectName(QStringLiteral("TImportTableV2Form"));
    setWindowTitle(LangText(13100, "Import Tournament"));
    auto* layout = new QVBoxLayout(this);
    auto* from = Named(new QLabel(QFileInfo(source).fileName(), this), "SourceLabel");
    from->setToolTip(source);
    layout->addWidget(from);
    frame_ = new TMainTableFrame(this);
    TNamePage page;
    page.Name = info.Name;
    page.FileName = info.Name + QStringLiteral(".kvd");
    page.Sport = info.Sport;
    frame_->Load(page);
    frame_->SetSportLocked(info.SportFixed);
    frame_->SetLegsShown(false);
    layout->addWidget(frame_);
    layout->addStretch(1);
    layout->addWidget(MakeDialogButtons(*this, false).Box);
    resize(460, 200);
}

void TImportTableV2Form::accept() {
    const TNamePage page = frame_->Page();
    const TNameCheck check = CheckNamePage(list_, page);
    if (!check.Message.isEmpty()) {
        ShowAppMessage(check.Message, TMessageKind::Information);
        frame_->FocusField(check.Field);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString name = page.Name.trimmed();
    const TIoResult imported = ImportLegacyFile(source_, info_.Kind, name, page.Sport, check.Path);
    QApplication::restoreOverrideCursor();
    if (!imported) {
        ShowAppMessage(imported.Message, TMessageKind::Error);
        return;
    }
    created_ = TNodeData{NodeTournament, page.Sport, name, check.Path};
    QDialog::accept();
}

} // namespace kv
