#include "base/country_names.h"

#include "base/language.h"

#include <QRegularExpression>

namespace kv {

namespace {

// Sovereign states, the home nations of the British Isles and a few football territories,
// in alphabetical order.
constexpr const char* kEnglishCountries =
    "Afghanistan;Albania;Algeria;Andorra;Angola;Antigua and "
    "Barbuda;Argentina;Armenia;Australia;Austria;"
    "Azerbaijan;Bahamas;Bahrain;Bangladesh;Barbados;Belarus;Belgium;Belize;Benin;Bhutan;Bolivia;"
    "Bosnia and Herzegovina;Botswana;Brazil;Brunei;Bulgaria;Burkina "
    "Faso;Burundi;Cambodia;Cameroon;Canada;"
    "Cape Verde;Central African Republic;Chad;Chile;China;Colombia;Comoros;Congo;Costa "
    "Rica;Croatia;Cuba;"
    "Cyprus;Czech Republic;Denmark;Djibouti;Dominica;Dominican Republic;DR Congo;Ecuador;Egypt;El "
    "Salvador;"
    "England;Equatorial Guinea;Eritrea;Estonia;Eswatini;Ethiopia;Faroe "
    "Islands;Fiji;Finland;France;Gabon;"
    "Gambia;Georgia;Germany;Ghana;Gibraltar;Greece;Grenada;Guatemala;Guinea;Guinea-Bissau;Guyana;"
    "Haiti;"
    "Honduras;Hong Kong;Hungary;Iceland;India;Indonesia;Iran;Iraq;Ireland;Israel;Italy;Ivory "
    "Coast;Jamaica;"
    "Japan;Jordan;Kazakhstan;Kenya;Kiribati;Kosovo;Kuwait;Kyrgyzstan;Laos;Latvia;Lebanon;Lesotho;"
    "Liberia;"
    "Libya;Liechtenstein;Lithuania;Luxembourg;Madagascar;Malawi;Malaysia;Maldives;Mali;Malta;"
    "Marshall Islands;"
    "Mauritania;Mauritius;Mexico;Micronesia;Moldova;Monaco;Mongolia;Montenegro;Morocco;Mozambique;"
    "Myanmar;"
    "Namibia;Nauru;Nepal;Netherlands;New Zealand;Nicaragua;Niger;Nigeria;North Korea;North "
    "Macedonia;"
    "Northern Ireland;Norway;Oman;Pakistan;Palau;Palestine;Panama;Papua New "
    "Guinea;Paraguay;Peru;Philippines;"
    "Poland;Portugal;Puerto Rico;Qatar;Romania;Russia;Rwanda;Saint Kitts and Nevis;Saint Lucia;"
    "Saint Vincent and the Grenadines;Samoa;San Marino;Sao Tome and Principe;Saudi "
    "Arabia;Scotland;Senegal;"
    "Serbia;Seychelles;Sierra Leone;Singapore;Slovakia;Slovenia;Solomon Islands;Somalia;South "
    "Africa;"
    "South Korea;South Sudan;Spain;Sri "
    "Lanka;Sudan;Suriname;Sweden;Switzerland;Syria;Taiwan;Tajikistan;"
    "Tanzania;Thailand;Timor-Leste;Togo;Tonga;Trinidad and "
    "Tobago;Tunisia;Turkey;Turkmenistan;Tuvalu;Uganda;"
    "Ukraine;United Arab Emirates;United States;Uruguay;Uzbekistan;Vanuatu;Vatican "
    "City;Venezuela;Vietnam;"
    "Wales;Yemen;Zambia;Zimbabwe";

} // namespace

QStringList CountryNames() {
    const QRegularExpression separators(QStringLiteral("\\s*[;\\r\\n]+\\s*"));
    QStringList names = LangText(1100, kEnglishCountries).split(separators, Qt::SkipEmptyParts);
    if (names.isEmpty()) // a language whose list is blank still offers the English one
        names = QString::fromLatin1(kEnglishCountries).split(separators, Qt::SkipEmptyParts);
    return names;
}

} // namespace kv
