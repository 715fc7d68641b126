#pragma once

#include <QLineEdit>

// A date or a time typed as text in any of the usual written forms ("13 Aug 2026",
// "13/08/2026", "2026-08-13"; "15:00", "3 pm"), shown back in the locale's short form when
// the field is left. What was typed is never turned into another value: text that reads as
// no date stays as typed, marked, and the field holds no value until it is mended. A date
// field has a calendar to pick from.
namespace kv {

class TDateTimeField : public QLineEdit {
    Q_OBJECT
public:
    enum class TKind { Date, Time };
    explicit TDateTimeField(TKind kind, QWidget* parent = nullptr);

    // The value as a day count (a date) or a fraction of a day (a time).
    void SetValue(double days);
    // False while the text reads as no date or time (an empty field included).
    bool HasValue() const;
    double Value() const;
    // "'31/02/2026' is not a valid date", or empty while the text reads.
    QString Problem() const;

signals:
    // The user finished typing (Enter or leaving the field) or picked a date, and the text
    // reads as a value.
    void ValueEdited(double days);

private:
    void Finish();
    void ShowCalendar();
    bool Read(double& days) const;

    TKind kind_;
};

} // namespace kv
