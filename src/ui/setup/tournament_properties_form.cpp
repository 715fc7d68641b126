#include "ui/setup/tournament_properties_form.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/name_checks.h"
#include "edit/tournament_document.h"
#include "model/sport.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {

QString Moment(double days) {
    return days > 0 ? LongDateText(days) + QStringLiteral("  ") + ShortTimeText(days) : QString();
}

} // namespace

TTournamentPropertiesForm::TTournamentPropertiesForm(TTournamentDocument& doc,
                                                     const TTournamentList& list, QWidget* parent)
    : QDialog(parent), doc_(doc), list_(list) {
    setObjectName(QStringLiteral("TTournamentPropertiesForm"));
    const TTournament& t = doc.Tournament();
    setWindowTitle(
        Fmt(QStringLiteral("%s - %s"), LangText(12000, "Tournament Properties"), t.Name));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = Named(new QLineEdit(t.Name, this), "NameEdit");
    name_->setMaxLength(100);
    file_ = Named(new QLineEdit(QFileInfo(t.FileName).fileName(), this), "FileNameEdit");
    auto* sport = Named(new QLineEdit(SportName(t.Sport), this), "SportEdit");
    sport->setReadOnly(true);
    form->addRow(LangText(12001, "&Tournament Name:"), name_);
    form->addRow(LangText(12002, "&File Name:"), file_);
    form->addRow(LangText(12003, "&Sport:"), sport);
    layout->addLayout(form);
    auto* dates = new QGroupBox(LangText(12004, "Modification Date"), this);
    auto* dateForm = new QFormLayout(dates);
    auto* created = Named(new QLineEdit(Moment(t.Created), dates), "CreatedEdit");
    auto* saved = Named(new QLineEdit(Moment(t.SavedAt), dates), "ModifiedEdit");
    created->setReadOnly(true);
    saved->setReadOnly(true);
    dateForm->addRow(LangText(12005, "&Created:"), created);
    dateForm->addRow(LangText(12006, "&Last Modified:"), saved);
    layout->addWidget(dates);
    auto* notesLabel = new QLabel(LangText(12007, "&Notes"), this);
    notes_ = Named(new QPlainTextEdit(t.Comments, this), "NotesEdit");
    notesLabel->setBuddy(notes_);
    layout->addWidget(notesLabel);
    layout->addWidget(notes_, 1);
    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    apply_ = buttons.Apply;
    layout->addWidget(buttons.Box);
    connect(apply_, &QPushButton::clicked, this, &TTournamentPropertiesForm::Apply);
    resize(480, 440);
}

bool TTournamentPropertiesForm::Apply() {
    const TListNode* entry = list_.FindByPath(doc_.FileName());
    const TNameCheck check = CheckProperties(list_, entry, name_->text(), file_->text().trimmed());
    if (!check.Message.isEmpty()) {
        ShowAppMessage(check.Message, TMessageKind::Information);
        (check.Field == FieldFileName ? file_ : name_)->setFocus();
        return false;
    }
    // The name and the notes are taken first; a refused move leaves them taken.
    const QString name = name_->text().trimmed();
    const QString notes = notes_->toPlainText();
    edit::SetTournamentProperties(doc_, name, notes);
    file_->setText(check.FileName);
    const QString from = doc_.FileName();
    if (QFileInfo(check.Path).absoluteFilePath() == QFileInfo(from).absoluteFilePath()) return true;
    const TListResult moved = MoveTournamentFile(from, check.Path);
    if (!moved.Ok) {
        ShowAppMessage(moved.Message, TMessageKind::Information);
        file_->setFocus();
        return false;
    }
    if (QFileInfo::exists(check.Path)) {
        doc_.SetFileName(check.Path);
        emit FileMoved(from, check.Path);
    }
    return true;
}

void TTournamentPropertiesForm::accept() {
    if (Apply()) QDialog::accept();
}

} // namespace kv
