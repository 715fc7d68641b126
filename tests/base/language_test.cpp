// Language files: lookups, value rules, the first-run choice and code pages.
#include "support/testenv.h"

#include "base/country_names.h"
#include "base/language.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/settings.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>

using namespace kv;

namespace {

class Language : public kvtest::TTempHome {
protected:
    void WriteLanguage(const QString& file, const QByteArray& bytes) {
        WriteFile(LanguageFolder() + file, bytes);
        ClearLanguageCache();
    }
};

const QByteArray kGerman = "[LANG_INFO]\r\nLanguage=Deutsch\r\nCharSet=0\r\nLocaleID=1031\r\n"
                           "[STRINGS]\r\n5150=  Fu\xc3\x9f"
                           "ball  \r\n5000=Nr./NZeile/tTab/rEnde\r\n5003=A/Tb\r\n";

} // namespace

TEST_F(Language, WithoutALanguageTheBuiltInTextsShow) {
    EXPECT_EQ(LangText(5150, "Soccer"), QStringLiteral("Soccer"));
    RegisterDefaultText(42, QStringLiteral("  Forty-two  "));
    EXPECT_EQ(FormText(42), QStringLiteral("Forty-two"));
}

TEST_F(Language, TranslationsFollowTheValueRules) {
    WriteLanguage(QStringLiteral("german.lng"), kGerman);
    SetCurrentLanguage(QStringLiteral("german.lng"));
    EXPECT_EQ(LangText(5150, "Soccer"), QStringLiteral("Fu\u00dfball")); // trimmed
    EXPECT_EQ(LangText(5000, "No"), QStringLiteral("Nr.\r\nZeile\tTab\r\nEnde"));
    EXPECT_EQ(LangText(5003, "Overall"), QStringLiteral("A\tb")); // escapes in any case
    EXPECT_EQ(LangText(5001, "Home"), QStringLiteral("Home"));    // a missing key
    EXPECT_EQ(LangInfo(QStringLiteral("german.lng"), QStringLiteral("Language")),
              QStringLiteral("Deutsch"));
    EXPECT_EQ(LanguageLocale(QStringLiteral("german.lng")), 1031);
    EXPECT_EQ(CurrentLanguageCharSet(), 0);
    EXPECT_EQ(RegReadString(QString(), QStringLiteral("Language"), QString()),
              QStringLiteral("german.lng"));
}

TEST_F(Language, MissingOrUnreadableFiles) {
    SetCurrentLanguage(QStringLiteral("nowhere.lng"));
    EXPECT_EQ(LangText(5150, "Soccer"), QStringLiteral("Soccer"));
    EXPECT_EQ(LangInfo(QStringLiteral("nowhere.lng"), QStringLiteral("Language")), QString());
    EXPECT_EQ(LanguageLocale(QStringLiteral("nowhere.lng")), 1033);
    EXPECT_EQ(CurrentLanguageCharSet(), 1);
    // A language "file" that cannot be read gives empty texts.
    QDir().mkpath(LanguageFolder() + QStringLiteral("broken.lng"));
    ClearLanguageCache();
    SetCurrentLanguage(QStringLiteral("broken.lng"));
    EXPECT_EQ(LangText(5150, "Soccer"), QString());
}

TEST_F(Language, CharSetAndLocaleDefaults) {
    WriteLanguage(QStringLiteral("plain.lng"),
                  "[LANG_INFO]\r\nLanguage=Plain\r\nLocaleID=abc\r\n[STRINGS]\r\n1=x\r\n");
    SetCurrentLanguage(QStringLiteral("plain.lng"));
    EXPECT_EQ(CurrentLanguageCharSet(), 1);
    EXPECT_EQ(LanguageLocale(QStringLiteral("plain.lng")), 1033);
}

TEST_F(Language, Windows1251FileIsReadInItsCodePage) {
    const QString russian = QStringLiteral("\u0424\u0443\u0442\u0431\u043e\u043b"); // "Футбол"
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes =
        "[LANG_INFO]\r\nLanguage=Russian\r\nCharSet=204\r\nLocaleID=1049\r\n[STRINGS]\r\n5150=" +
        QByteArray(encoder.encode(russian)) + "\r\n";
    ASSERT_FALSE(bytes.isEmpty());
    WriteLanguage(QStringLiteral("russian.lng"), bytes);
    SetCurrentLanguage(QStringLiteral("russian.lng"));
    EXPECT_EQ(LangText(5150, "Soccer"), russian);
    EXPECT_EQ(CurrentLanguageCharSet(), 204);
}

TEST_F(Language, FirstRunPicksTheFileOfTheLocaleOnce) {
    WriteLanguage(QStringLiteral("german.lng"), kGerman);
    InitLanguage(1031);
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("german.lng"));
    EXPECT_TRUE(RegReadBool(QString(), QStringLiteral("LangApplied"), false));
    EXPECT_EQ(LangText(5150, "Soccer"), QStringLiteral("Fu\u00dfball"));
    // The user goes back to English; later starts keep it.
    SetCurrentLanguage(QString());
    InitLanguage(1031);
    EXPECT_EQ(CurrentLanguage(), QString());
    EXPECT_EQ(LangText(5150, "Soccer"), QStringLiteral("Soccer"));
}

TEST_F(Language, UsEnglishNeverChoosesAFile) {
    WriteLanguage(QStringLiteral("german.lng"), kGerman);
    InitLanguage(1033);
    EXPECT_EQ(CurrentLanguage(), QString());
    EXPECT_FALSE(RegValueExists(QString(), QStringLiteral("LangApplied")));
    EXPECT_EQ(FormText(1001), QStringLiteral("Cancel"));
}

TEST_F(Language, AnotherLocaleWithoutAFileStillMarksTheChoiceMade) {
    WriteLanguage(QStringLiteral("german.lng"), kGerman);
    InitLanguage(1036);
    EXPECT_EQ(CurrentLanguage(), QString());
    EXPECT_TRUE(RegReadBool(QString(), QStringLiteral("LangApplied"), false));
}

TEST_F(Language, CountryNamesComeFromTheLanguageOrTheBuiltInList) {
    const QStringList english = CountryNames();
    EXPECT_GT(english.size(), 190);
    EXPECT_TRUE(english.contains(QStringLiteral("England")));
    EXPECT_TRUE(english.contains(QStringLiteral("Bosnia and Herzegovina")));
    for (const QString& name : english)
        EXPECT_EQ(name, name.trimmed());
    WriteLanguage(QStringLiteral("italian.lng"),
                  "[STRINGS]\r\n1100=Francia; Italia/n/nSpagna;\r\n");
    SetCurrentLanguage(QStringLiteral("italian.lng"));
    EXPECT_EQ(CountryNames(), (QStringList{QStringLiteral("Francia"), QStringLiteral("Italia"),
                                           QStringLiteral("Spagna")}));
    // A blank list in a language still offers something to choose from.
    WriteLanguage(QStringLiteral("blank.lng"), "[STRINGS]\r\n1100= ;; \r\n");
    SetCurrentLanguage(QStringLiteral("blank.lng"));
    EXPECT_EQ(CountryNames(), english);
}

TEST(AccessKeys, CaptionsAsWords) {
    EXPECT_EQ(WithoutAccessKeys(QStringLiteral("&Standings Columns - Home && Away")),
              QStringLiteral("Standings Columns - Home & Away"));
    EXPECT_EQ(WithoutAccessKeys(QStringLiteral("Right &Justify")), QStringLiteral("Right Justify"));
    EXPECT_EQ(WithoutAccessKeys(QStringLiteral("Fish &")), QStringLiteral("Fish &"));
}
