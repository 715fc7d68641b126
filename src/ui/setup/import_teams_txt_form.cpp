#include "ui/setup/import_teams_txt_form.h"

#include "base/codepages.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/widget_names.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {

// A team list is a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxListBytes = 1 << 20;

} // namespace

TImportTeamsTxtForm::TImportTeamsTxtForm(TDialogSeam& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TImportTeamsTxtForm"));
    setWindowTitle(LangText(12900, "Import Teams"));
    auto* layout = new QVBoxLayout(this);
    text_ = Named(new QPlainTextEdit(this), "TeamsText");
    text_->setPlaceholderText(LangText(12905, "One team name per line"));
    layout->addWidget(text_);
    auto* box = new QDialogButtonBox(this);
    auto* open =
        Named(box->addButton(LangText(12901, "&Open"), QDialogButtonBox::ActionRole), "OpenBtn");
    auto* ok = Named(box->addButton(LangText(12902, "&Import"), QDialogButtonBox::AcceptRole),
                     "ImportBtn");
    ok->setDefault(true);
    Named(box->addButton(LangText(1001, "Cancel"), QDialogButtonBox::RejectRole), "CancelBtn");
    AddHelpButton(*box, *this);
    layout->addWidget(box);
    connect(open, &QPushButton::clicked, this, &TImportTeamsTxtForm::Open);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(360, 380);
}

QStringList TImportTeamsTxtForm::Lines() const {
    QStringList lines = text_->toPlainText().split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    return lines;
}

void TImportTeamsTxtForm::Open() {
    QString filter = LangText(12903, "Text Files (*.txt)");
    const QString filters = filter + QStringLiteral(";;") + LangText(12904, "All Files (*)");
    const QStringList files =
        dialogs_.OpenFiles(this, LangText(12900, "Import Teams"), ProgramFolder(), filters, filter);
    if (files.isEmpty()) return;
    QFile file(files.front());
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxListBytes) {
        ShowAppMessage(Fmt(LangText(12906, "Cannot read the file %s"), files.front()),
                       TMessageKind::Error);
        return;
    }
    QStringList lines = DecodeText(file.readAll()).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    text_->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace kv
