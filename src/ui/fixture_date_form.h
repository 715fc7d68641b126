#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// One value for the chosen fixtures of the fixture list: their date, kick-off time, matchday
// or stadium. An empty field means none; a text that does not convert is refused with its
// message and the field keeps the focus.
namespace kv {

class TTournament;

enum class TFixtureField { Date, Time, Matchday, Stadium };

class TFixtureDateForm : public QDialog {
    Q_OBJECT
public:
    TFixtureDateForm(TFixtureField field, const TTournament& t, QWidget* parent = nullptr);

    // The value shown when the dialog opens.
    void SetDate(bool hasDate, double date);
    void SetTime(bool hasTime, double time);
    void SetMatchday(int matchday);
    void SetStadium(int stadiumId);
    // The text field (date, time, matchday) as the user types into it.
    void SetText(const QString& text);

    // The value entered, after OK.
    bool HasValue() const { return has_; }
    double Value() const { return value_; }
    int Matchday() const { return matchday_; }
    int StadiumId() const;

    void accept() override;

private:
    TFixtureField field_;
    QLineEdit* edit_ = nullptr;
    QComboBox* stadiums_ = nullptr;
    bool has_ = false;
    double value_ = 0;
    int matchday_ = -1;
};

} // namespace kv
