#include "ui/widgets/date_time_field.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"

#include <QAction>
#include <QCalendarWidget>
#include <QIcon>
#include <QMenu>
#include <QStyle>
#include <QWidgetAction>

namespace kv {

TDateTimeField::TDateTimeField(TKind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setClearButtonEnabled(false);
    if (kind_ == TKind::Date) {
        QAction* pick = addAction(QIcon::fromTheme(QStringLiteral("x-office-calendar"),
                                                   style()->standardIcon(QStyle::SP_ArrowDown)),
                                  QLineEdit::TrailingPosition);
        pick->setObjectName(QStringLiteral("CalendarAction"));
        connect(pick, &QAction::triggered, this, &TDateTimeField::ShowCalendar);
    }
    connect(this, &QLineEdit::editingFinished, this, &TDateTimeField::Finish);
    connect(this, &QLineEdit::textChanged, this, [this] {
        // The mark of a text that reads as nothing goes as soon as it reads.
        double days = 0;
        if (Read(days) || text().trimmed().isEmpty()) {
            setStyleSheet(QString());
            setToolTip(QString());
        }
    });
}

bool TDateTimeField::Read(double& days) const {
    const QString typed = text().trimmed();
    if (typed.isEmpty()) return false;
    return kind_ == TKind::Date ? ParseDateText(typed, days) : ParseTimeText(typed, days);
}

void TDateTimeField::SetValue(double days) {
    setText(kind_ == TKind::Date ? ShortDateText(days) : ShortTimeText(days));
}

bool TDateTimeField::HasValue() const {
    double days = 0;
    return Read(days);
}

double TDateTimeField::Value() const {
    double days = 0;
    return Read(days) ? days : 0;
}

QString TDateTimeField::Problem() const {
    if (HasValue()) return QString();
    return kind_ == TKind::Date ? Fmt(LangText(11549, "'%s' is not a valid date"), text().trimmed())
                                : Fmt(LangText(5666, "'%s' is not valid time"), text().trimmed());
}

// A text that reads is shown in the short form; one that does not stays, marked.
void TDateTimeField::Finish() {
    double days = 0;
    if (!Read(days)) {
        if (!text().trimmed().isEmpty()) {
            setStyleSheet(QStringLiteral("QLineEdit { background: #ffe0e0; }"));
            setToolTip(Problem());
        }
        return;
    }
    SetValue(days);
    emit ValueEdited(days);
}

void TDateTimeField::ShowCalendar() {
    QMenu menu(this);
    auto* calendar = new QCalendarWidget(&menu);
    calendar->setObjectName(QStringLiteral("Calendar"));
    double days = 0;
    if (Read(days)) calendar->setSelectedDate(DaysToDate(days));
    auto* action = new QWidgetAction(&menu);
    action->setDefaultWidget(calendar);
    menu.addAction(action);
    connect(calendar, &QCalendarWidget::clicked, &menu, [this, &menu](QDate date) {
        SetValue(DateToDays(date));
        menu.close();
        emit ValueEdited(DateToDays(date));
    });
    menu.exec(mapToGlobal(QPoint(0, height())));
}

} // namespace kv
