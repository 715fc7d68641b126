#include "ui/widgets/wait_form.h"

#include "base/language.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace kv {

TWaitForm::TWaitForm(const QString& text, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TWaitForm"));
    setMinimumWidth(307);
    resize(307, 49);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    label_ = new QLabel(text.isEmpty() ? LangText(1200, "Please wait...") : text, this);
    label_->setObjectName(QStringLiteral("WaitLabel"));
    label_->setAlignment(Qt::AlignCenter);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("WaitProgress"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setMaximumHeight(12);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    setStyleSheet(QStringLiteral("TWaitForm { border: 1px solid palette(dark); }"));
}

void TWaitForm::SetProgress(int percent) {
    bar_->setValue(std::clamp(percent, 0, 100));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TWaitForm::SetText(const QString& text) {
    label_->setText(text);
}

void TWaitForm::ShowNow() {
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kv
