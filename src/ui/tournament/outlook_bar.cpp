#include "ui/tournament/outlook_bar.h"

#include "base/language.h"
#include "edit/outlook_runner.h"
#include "ui/widgets/widget_names.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace kv {

TOutlookBar::TOutlookBar(TOutlookRunner& runner, QWidget* parent)
    : QWidget(parent), runner_(runner) {
    setObjectName(QStringLiteral("OutlookBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    label_ = Named(new QLabel(this), "OutlookLabel");
    progress_ = Named(new QProgressBar(this), "OutlookProgress");
    progress_->setMaximumWidth(240);
    cancel_ = Named(new QPushButton(this), "OutlookCancelButton");
    layout->addWidget(label_);
    layout->addWidget(progress_, 1);
    layout->addWidget(cancel_);
    layout->addStretch(1);
    ApplyTexts();
    hide();
    connect(&runner_, &TOutlookRunner::Started, this, [this] {
        progress_->setRange(0, 0); // busy until the first teams are done
        hide();
    });
    connect(&runner_, &TOutlookRunner::Stale, this, [this] {
        if (runner_.Running()) show();
    });
    connect(&runner_, &TOutlookRunner::Progress, this, &TOutlookBar::OnProgress);
    connect(&runner_, &TOutlookRunner::Updated, this, &QWidget::hide);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        runner_.Cancel();
        hide();
    });
}

void TOutlookBar::ApplyTexts() {
    label_->setText(LangText(5911, "Working out the places still possible..."));
    cancel_->setText(LangText(1001, "Cancel"));
}

void TOutlookBar::OnProgress(int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
}

} // namespace kv
