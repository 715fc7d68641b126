#include "model/team.h"

#include "model/people.h"
#include "model/tournament.h"

namespace kv {

TTeam::TTeam(const TTournament* tournament, const QString& name, int orderNumber, int groupId,
             int id)
    : Tournament(tournament), Id(id), GroupId(groupId), OrderNumber(orderNumber), Name(name) {
    if (tournament) {
        const TGroupStyle& style = tournament->JointTable().Style;
        Font = style.Font;
        BackgroundColor = style.BGColor;
    }
}

void TTeam::AssignData(const TTeam& other) {
    Id = other.Id;
    GroupId = other.GroupId;
    OrderNumber = other.OrderNumber;
    Name = other.Name;
    Symbol = other.Symbol;
    AddedPoints = other.AddedPoints;
    AddedGoalsFor = other.AddedGoalsFor;
    AddedGoalsAgainst = other.AddedGoalsAgainst;
    FoundationYear = other.FoundationYear;
    Country = other.Country;
    City = other.City;
    MainCoach = other.MainCoach;
    President = other.President;
    HomeStadiumId = other.HomeStadiumId;
    Enabled = other.Enabled;
    SeparateFont = other.SeparateFont;
    SeparateBackground = other.SeparateBackground;
    BackgroundColor = other.BackgroundColor;
    Font = other.Font;
    UpperCase = other.UpperCase;
}

QString TTeam::LocationText() const {
    return kv::LocationText(City, Country);
}

QString TTeam::DisplayName() const {
    return DisplayText(Name, City, Country);
}

} // namespace kv
