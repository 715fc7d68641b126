#include "model/appearance_edit.h"

#include "base/language.h"
#include "model/group.h"
#include "model/people.h"
#include "model/team.h"

namespace kv {

namespace {

TTableLook LookOf(const TGroup& g, const QString& name) {
    return TTableLook{static_cast<int>(g.Kind), g.Kind == KindJoint ? -1 : g.Id, name, g.Style,
                      g.PlaceFonts};
}

TGroup* TableOf(TTournament& t, const TTableLook& look) {
    switch (look.Kind) {
    case KindJoint:
        return &t.JointTable();
    case KindConference: {
        TConference* c = t.ConferenceById(look.Id);
        return c ? c->Table() : nullptr;
    }
    default:
        return t.GroupById(look.Id);
    }
}

template <typename T> void Take(T& target, const T& before, const T& after) {
    if (!(before == after)) target = after;
}

} // namespace

void ApplyStyleChange(TGroupStyle& s, const TGroupStyle& b, const TGroupStyle& a) {
    Take(s.HasBGColor, b.HasBGColor, a.HasBGColor);
    Take(s.BGColor, b.BGColor, a.BGColor);
    Take(s.BGPicture, b.BGPicture, a.BGPicture);
    Take(s.Transparent, b.Transparent, a.Transparent);
    Take(s.Font, b.Font, a.Font);
    Take(s.BorderColor, b.BorderColor, a.BorderColor);
    Take(s.BoldBorders, b.BoldBorders, a.BoldBorders);
    Take(s.HasHeaderFont, b.HasHeaderFont, a.HasHeaderFont);
    Take(s.HeaderFont, b.HeaderFont, a.HeaderFont);
    Take(s.HeaderSubFont, b.HeaderSubFont, a.HeaderSubFont);
    Take(s.HasHeaderBGColor, b.HasHeaderBGColor, a.HasHeaderBGColor);
    Take(s.HeaderBGColor, b.HeaderBGColor, a.HeaderBGColor);
    Take(s.HasHResultsFont, b.HasHResultsFont, a.HasHResultsFont);
    Take(s.ResultsFont, b.ResultsFont, a.ResultsFont);
    Take(s.Dividers, b.Dividers, a.Dividers);
    Take(s.ShowAwayResults, b.ShowAwayResults, a.ShowAwayResults);
    Take(s.MarkHomeMatches, b.MarkHomeMatches, a.MarkHomeMatches);
    Take(s.HasResultsColors, b.HasResultsColors, a.HasResultsColors);
    for (size_t i = 0; i < s.ResultColors.size(); ++i)
        Take(s.ResultColors[i], b.ResultColors[i], a.ResultColors[i]);
}

std::vector<TTableLook*> TAppearance::OfKind(int kind) {
    std::vector<TTableLook*> looks;
    for (TTableLook& look : Tables)
        if (look.Kind == kind) looks.push_back(&look);
    return looks;
}

TAppearance AppearanceOf(const TTournament& t) {
    TAppearance a;
    a.Tables.push_back(LookOf(t.JointTable(), LangText(10700, "Joint Table")));
    for (const auto& c : t.Conferences())
        if (c->Table()) a.Tables.push_back(LookOf(*c->Table(), c->Name));
    for (const auto& g : t.Groups())
        a.Tables.push_back(LookOf(*g, g->Name));
    a.ShowSymbol = t.View.ShowSymbol;
    a.ShowCity = t.View.ShowCity;
    a.ShowCountry = t.View.ShowCountry;
    return a;
}

bool ApplyAppearance(TTournament& t, const TAppearance& a) {
    bool changed = false;
    for (const TTableLook& look : a.Tables) {
        TGroup* g = TableOf(t, look);
        if (!g || (g->Style == look.Style && g->PlaceFonts == look.PlaceFonts)) continue;
        g->Style = look.Style;
        // A table keeps one place font per place, whatever the edited copy held.
        std::vector<TPlaceFont> places = look.PlaceFonts;
        places.resize(g->PlaceFonts.size(), TPlaceFont::FromFont(look.Style.Font));
        g->PlaceFonts = std::move(places);
        changed = true;
    }
    if (t.View.ShowSymbol != a.ShowSymbol || t.View.ShowCity != a.ShowCity ||
        t.View.ShowCountry != a.ShowCountry) {
        t.View.ShowSymbol = a.ShowSymbol;
        t.View.ShowCity = a.ShowCity;
        t.View.ShowCountry = a.ShowCountry;
        changed = true;
    }
    if (!changed) return false;
    const TFontData& font = t.JointTable().Style.Font;
    for (TTeam* team : t.JointTable().Teams()) {
        team->Font.Name = font.Name;
        team->Font.Charset = font.Charset;
        team->Font.Size = font.Size;
    }
    return true;
}

void ApplyPlaceStyle(const std::vector<TPlaceFont>& places, std::vector<TPlaceFont>& target,
                     const TFontData& tableFont) {
    for (size_t i = 0; i < places.size() && i < target.size(); ++i) {
        TPlaceFont p = places[i];
        p.Font.Name = tableFont.Name;
        p.Font.Size = tableFont.Size;
        p.Font.Charset = tableFont.Charset;
        target[i] = p;
    }
}

QString TeamDisplaySample(bool symbol, bool city, bool country) {
    const QString team = symbol ? LangText(10606, "Symbol") : LangText(10605, "Team");
    return DisplayText(team, city ? LangText(10607, "City") : QString(),
                       country ? LangText(10608, "Country") : QString());
}

bool ResultColorApplies(const TTournament& t, int result) {
    if (result == ResultWinOT || result == ResultDrawOT || result == ResultLoseOT)
        return t.Overtime;
    if (result == ResultWinSO || result == ResultLoseSO) return t.ShootOuts;
    return true;
}

} // namespace kv
