#include "ui/shell/find_tournament_form.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include "base/language.h"
#include "base/messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv {

namespace {

QGroupBox* Group(QWidget* parent, const char* name, int id, const char* title, QWidget* a,
                 QWidget* b) {
    auto* box = new QGroupBox(LangText(id, title), parent);
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(a);
    layout->addWidget(b);
    return box;
}

} // namespace

TFindTournamentForm::TFindTournamentForm(QWidget* parent)
    : QDialog(parent), language_(CurrentLanguage()) {
    setObjectName(QStringLiteral("TFindTournamentForm"));
    setWindowTitle(LangText(7800, "Find Tournament"));
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(LangText(7801, "&Text to find:"), this);
    text_ = Named(new QComboBox(this), "TextCB");
    text_->setEditable(true);
    text_->setInsertPolicy(QComboBox::NoInsert);
    text_->setMinimumWidth(260);
    label->setBuddy(text_);
    caseSensitive_ =
        Named(new QCheckBox(LangText(7803, "&Case sensitive"), this), "CaseSensitiveChB");
    exact_ = Named(new QCheckBox(LangText(7804, "&Exact phrase"), this), "ExactPhraseChB");
    forward_ = Named(new QRadioButton(LangText(7806, "Forwar&d"), this), "ForwardRB");
    backward_ = Named(new QRadioButton(LangText(7807, "&Backward"), this), "BackwardRB");
    global_ = Named(new QRadioButton(LangText(7809, "&Global"), this), "GlobalRB");
    selectedFolder_ =
        Named(new QRadioButton(LangText(7810, "&Selected folder"), this), "SelectedFolderRB");
    fromSelected_ =
        Named(new QRadioButton(LangText(7812, "&From selected item"), this), "FromSelectedRB");
    entireScope_ = Named(new QRadioButton(LangText(7813, "E&ntire scope"), this), "EntireScopeRB");
    layout->addWidget(label, 0, 0);
    layout->addWidget(text_, 0, 1);
    layout->addWidget(Group(this, "OptionsGB", 7802, "Options", caseSensitive_, exact_), 1, 0);
    layout->addWidget(Group(this, "DirectionGB", 7805, "Direction", forward_, backward_), 1, 1);
    layout->addWidget(Group(this, "ScopeGB", 7808, "Scope", global_, selectedFolder_), 2, 0);
    layout->addWidget(Group(this, "OriginGB", 7811, "Origin", fromSelected_, entireScope_), 2, 1);
    // Checked once each pair has its own box: radio buttons exclude the others of their parent.
    forward_->setChecked(true);
    global_->setChecked(true);
    fromSelected_->setChecked(true);
    layout->addWidget(MakeDialogButtons(*this, false).Box, 3, 0, 1, 2);
}

TFindOptions TFindTournamentForm::Options() const {
    TFindOptions o;
    o.Text = text_->currentText();
    o.CaseSensitive = caseSensitive_->isChecked();
    o.ExactPhrase = exact_->isChecked();
    o.Forward = forward_->isChecked();
    o.Global = global_->isChecked();
    o.FromSelected = fromSelected_->isChecked();
    return o;
}

void TFindTournamentForm::SetText(const QString& text) {
    text_->setCurrentText(text);
}

QStringList TFindTournamentForm::History() const {
    QStringList texts;
    for (int i = 0; i < text_->count(); ++i)
        texts << text_->itemText(i);
    return texts;
}

void TFindTournamentForm::Restore(const TFindOptions& options, const QStringList& history) {
    text_->addItems(history);
    text_->setCurrentText(options.Text);
    caseSensitive_->setChecked(options.CaseSensitive);
    exact_->setChecked(options.ExactPhrase);
    (options.Forward ? forward_ : backward_)->setChecked(true);
    (options.Global ? global_ : selectedFolder_)->setChecked(true);
    (options.FromSelected ? fromSelected_ : entireScope_)->setChecked(true);
}

void TFindTournamentForm::accept() {
    const QString text = text_->currentText();
    const QString problem = TListSearch::CheckText(text);
    if (!problem.isEmpty()) {
        ShowAppMessage(problem, TMessageKind::Information);
        return;
    }
    // A text searched before moves to the top; a new one goes to the end.
    const int known = text_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (known >= 0) {
        text_->removeItem(known);
        text_->insertItem(0, text);
        text_->setCurrentIndex(0);
    } else {
        text_->addItem(text);
        text_->setCurrentIndex(text_->count() - 1);
    }
    QDialog::accept();
}

} // namespace kv
