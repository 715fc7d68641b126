// Numbers, dates and the positional text format shared by the files.
#include "support/testenv.h"

#include "base/codepages.h"
#include "base/fileio.h"
#include "base/formats.h"
#include "base/language.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "base/textreader.h"
#include "base/textwriter.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>

#include <cmath>
#include <utility>
#include <vector>

using namespace kv;

namespace {
class TextFormats : public kvtest::TTempHome {};
} // namespace

TEST_F(TextFormats, NumberPatterns) {
    EXPECT_EQ(FormatFloat2(3), QStringLiteral("3"));
    EXPECT_EQ(FormatFloat2(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(FormatFloat2(1.0 / 3), QStringLiteral("0.33"));
    EXPECT_EQ(FormatFloat2(-0.001), QStringLiteral("0"));
    EXPECT_EQ(FormatFloat2(-4), QStringLiteral("-4"));
    EXPECT_EQ(FormatFloat1(0), QStringLiteral("0.0"));
    EXPECT_EQ(FormatFloat1(66.66666), QStringLiteral("66.7"));
    EXPECT_EQ(FormatNumber(12.0, 0, 1), QStringLiteral("12"));
}

TEST_F(TextFormats, HalvesRoundAwayFromZeroAsTheyRead) {
    EXPECT_EQ(FormatFloat1(5.0 / 4), QStringLiteral("1.3"));   // 5 goals in 4 matches
    EXPECT_EQ(FormatFloat1(23.0 / 20), QStringLiteral("1.2")); // 1.15 is stored as 1.1499...
    EXPECT_EQ(FormatFloat1(-5.0 / 4), QStringLiteral("-1.3"));
    EXPECT_EQ(FormatFloat2(1.005), QStringLiteral("1.01"));
    EXPECT_EQ(FormatFloat2(-2.675), QStringLiteral("-2.68"));
    EXPECT_EQ(FormatFloat1(0.05), QStringLiteral("0.1"));
    EXPECT_EQ(FormatFloat1(0.04), QStringLiteral("0.0"));
    EXPECT_EQ(FormatFloat1(-0.04), QStringLiteral("0.0"));
    EXPECT_EQ(FormatFloat1(9.95), QStringLiteral("10.0"));
    EXPECT_EQ(FormatFloat2(99.999), QStringLiteral("100"));
    EXPECT_EQ(FormatFloat1(123456789.25), QStringLiteral("123456789.3"));
    EXPECT_EQ(FormatFloat2(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(FormatFloat2(0.004), QStringLiteral("0"));
    EXPECT_EQ(FormatFloat2(0.005), QStringLiteral("0.01"));
}

TEST_F(TextFormats, DayCounts) {
    EXPECT_EQ(DateToDays(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(DateToDays(QDate(1900, 1, 1)), 2);
    EXPECT_EQ(DateToDays(QDate(2026, 12, 8)), 46364);
    const double noon = DateToDays(QDate(2026, 5, 17)) + 0.5;
    EXPECT_EQ(DaysToDate(noon), QDate(2026, 5, 17));
    EXPECT_EQ(DaysToTime(noon), QTime(12, 0));
    EXPECT_EQ(DaysToTime(TimeToDays(QTime(19, 45))), QTime(19, 45));
    double parsed = 0;
    EXPECT_TRUE(ParseDateText(QStringLiteral("2026-05-17"), parsed));
    EXPECT_EQ(parsed, DateToDays(QDate(2026, 5, 17)));
    EXPECT_TRUE(ParseDateText(QStringLiteral("17/05/26"), parsed, QStringLiteral("dd/MM/yy")));
    EXPECT_EQ(DaysToDate(parsed), QDate(2026, 5, 17));
    EXPECT_FALSE(ParseDateText(QStringLiteral("yesterday"), parsed));
    EXPECT_TRUE(ParseTimeText(QStringLiteral("7:05"), parsed));
    EXPECT_FALSE(ParseTimeText(QStringLiteral("25:99"), parsed));
}

TEST_F(TextFormats, FileRealsHaveTheirFixedForm) {
    EXPECT_EQ(FileRealText(3), QByteArray(" 3.00000000000000E+0000"));
    EXPECT_EQ(FileRealText(-0.5), QByteArray("-5.00000000000000E-0001"));
    EXPECT_EQ(FileRealText(0), QByteArray(" 0.00000000000000E+0000"));
    EXPECT_EQ(FileRealText(46364.75), QByteArray(" 4.63647500000000E+0004"));
    TTextWriter w;
    w.Int(5).Real(3).Bool(true);
    w.EndLine();
    EXPECT_EQ(w.Data(), QByteArray("5  3.00000000000000E+0000 1\r\n"));
}

TEST_F(TextFormats, RealsSurviveWritingAndReading) {
    QRandomGenerator rng(7);
    for (int i = 0; i < 5000; ++i) {
        const double v = (rng.generateDouble() - 0.5) * std::pow(10.0, rng.bounded(-12, 14));
        const double rounded = std::stod(FileRealText(v).toStdString());
        double back = 0;
        ASSERT_TRUE(ParseRealToken(FileRealText(v).trimmed(), back));
        EXPECT_EQ(back, rounded) << FileRealText(v).toStdString();
        // Writing what was read gives the same text again.
        EXPECT_EQ(FileRealText(back), FileRealText(v));
    }
    double x = 0;
    EXPECT_TRUE(ParseRealToken("1e3", x));
    EXPECT_EQ(x, 1000);
    EXPECT_TRUE(ParseRealToken("+.5", x));
    EXPECT_EQ(x, 0.5);
    EXPECT_FALSE(ParseRealToken("1.2.3", x));
    EXPECT_FALSE(ParseRealToken("nan", x));
    int n = 0;
    EXPECT_TRUE(ParseIntToken("7.0", n));
    EXPECT_EQ(n, 7);
    EXPECT_FALSE(ParseIntToken("7.5", n));
    EXPECT_FALSE(ParseIntToken("99999999999", n));
}

TEST_F(TextFormats, ReaderLinesAndNumbers) {
    TTextReader r(QByteArray("abc\r\n  12  -3\r\n\r\n 4.5E+0000\nlast"));
    QString line;
    ASSERT_TRUE(r.ReadLine(line));
    EXPECT_EQ(line, QStringLiteral("abc"));
    int a = 0, b = 0;
    EXPECT_TRUE(r.ReadInt(a));
    EXPECT_TRUE(r.MoreOnLine());
    EXPECT_TRUE(r.ReadInt(b));
    EXPECT_FALSE(r.MoreOnLine());
    EXPECT_EQ(a + b, 9);
    double d = 0;
    EXPECT_TRUE(r.ReadReal(d)); // skips the empty line
    EXPECT_EQ(d, 4.5);
    EXPECT_EQ(r.LineNumber(), 4);
    r.SkipLine();
    ASSERT_TRUE(r.ReadLine(line));
    EXPECT_EQ(line, QStringLiteral("last"));
    EXPECT_FALSE(r.ReadLine(line));
    EXPECT_FALSE(r.ReadInt(a));
}

TEST_F(TextFormats, OldBytesFallBackToWindows1252) {
    EXPECT_EQ(DecodeText(QByteArray("M\xfcnchen \x80")), QStringLiteral("M\u00fcnchen \u20ac"));
    EXPECT_EQ(DecodeText(QByteArray("M\xc3\xbcnchen")), QStringLiteral("M\u00fcnchen"));
    EXPECT_FALSE(IsValidUtf8(QByteArray("\xc0\x80")));
    EXPECT_FALSE(IsValidUtf8(QByteArray("\xed\xa0\x80")));
}

TEST_F(TextFormats, MessagePlaceholders) {
    EXPECT_EQ(Fmt(QStringLiteral("Team %s is on matchday %d (%s)"), QStringLiteral("A"), 3, "x"),
              QStringLiteral("Team A is on matchday 3 (x)"));
    EXPECT_EQ(FormatMessage(QStringLiteral("%1:s-%0:s %s"),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}),
              QStringLiteral("b-a b"));
    EXPECT_EQ(Fmt(QStringLiteral("100%% of %s"), QStringLiteral("x")), QStringLiteral("100% of x"));
}

TEST_F(TextFormats, AtomicWriteKeepsTheOldFileWhenWritingFails) {
    const QString path = HomePath(QStringLiteral("file.txt"));
    ASSERT_TRUE(WriteFileAtomic(path, "first"));
    ASSERT_TRUE(WriteFileAtomic(path, "second", ChangeFileExt(path, QStringLiteral(".bak"))));
    EXPECT_EQ(ReadFile(path), QByteArray("second"));
    EXPECT_EQ(ReadFile(HomePath(QStringLiteral("file.bak"))), QByteArray("first"));
    // A target inside a missing folder cannot be written; nothing else changes.
    EXPECT_FALSE(WriteFileAtomic(HomePath(QStringLiteral("missing/x.txt")), "data"));
    EXPECT_EQ(ChangeFileExt(QStringLiteral("/a.b/c"), QStringLiteral(".bak")),
              QStringLiteral("/a.b/c.bak"));
    EXPECT_EQ(ChangeFileExt(QStringLiteral("/a/c.kvd"), QStringLiteral(".bak")),
              QStringLiteral("/a/c.bak"));
}

// Dates as files and people write them, without a format: ISO, day first with any separator,
// and month names in English and in the chosen language.
TEST_F(TextFormats, CommonWrittenDatesAreRecognised) {
    const double day = DateToDays(QDate(2011, 8, 13));
    for (const char* text :
         {"2011-08-13", "13/08/2011", "13.8.2011", "13-08-2011", "13/08/11", "13 Aug 2011",
          "13 August 2011", "Aug 13, 2011", "August 13 2011", "Sat Aug 13 2011", "Sat, 13 Aug 2011",
          "Saturday, 13 August 2011", "13-Aug-11", "  Sat  Aug 13   2011 "}) {
        double parsed = 0;
        EXPECT_TRUE(ParseDateText(QLatin1String(text), parsed)) << text;
        EXPECT_EQ(parsed, day) << text;
    }
    double parsed = 0;
    EXPECT_FALSE(ParseDateText(QStringLiteral("13 Augtober 2011"), parsed));
    EXPECT_FALSE(ParseDateText(QStringLiteral("32/08/2011"), parsed));
    // A format given is the format taken, with English or the chosen language's names.
    EXPECT_TRUE(ParseDateText(QStringLiteral("08/13/2011"), parsed, QStringLiteral("MM/dd/yyyy")));
    EXPECT_EQ(parsed, day);
    EXPECT_FALSE(ParseDateText(QStringLiteral("13/08/2011"), parsed, QStringLiteral("MM/dd/yyyy")));
    // German month names once German is chosen.
    QDir().mkpath(LanguageFolder());
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_SOURCE_DIR "/Language/deutsch.lng"),
                            LanguageFolder() + QStringLiteral("deutsch.lng")));
    SetCurrentLanguage(QStringLiteral("deutsch.lng"));
    // Short names with or without their dots, as people type them.
    for (const char* text : {"13. August 2011", "Samstag, 13. August 2011", "13 Aug 2011",
                             "Sa 13 Aug 2011", "Sa. 13. Aug. 2011"}) {
        EXPECT_TRUE(ParseDateText(QString::fromUtf8(text), parsed)) << text;
        EXPECT_EQ(parsed, day) << text;
    }
    EXPECT_TRUE(ParseDateText(QStringLiteral("Sa 19 Dez 2026"), parsed));
    EXPECT_EQ(DaysToDate(parsed), QDate(2026, 12, 19));
    EXPECT_TRUE(ParseDateText(QStringLiteral("1. März 2027"), parsed));
    EXPECT_EQ(DaysToDate(parsed), QDate(2027, 3, 1));
    SetCurrentLanguage(QString());
}

TEST_F(TextFormats, DayAndMonthAreAmbiguousOnlyWhenEveryDateAllowsBoth) {
    EXPECT_TRUE(DayMonthAmbiguous({QStringLiteral("03/04/2011"), QStringLiteral("05.06.2011")}));
    EXPECT_FALSE(DayMonthAmbiguous({QStringLiteral("03/04/2011"), QStringLiteral("13/04/2011")}));
    EXPECT_FALSE(DayMonthAmbiguous({QStringLiteral("04/04/2011")})); // the same either way
    EXPECT_FALSE(
        DayMonthAmbiguous({QStringLiteral("Sat Aug 13 2011"), QStringLiteral("2011-08-03")}));
    EXPECT_FALSE(DayMonthAmbiguous({}));
}

// Times are typed in the usual ways and shown to the minute, whatever the locale's format.
TEST_F(TextFormats, TimesAreReadInTheUsualFormsAndShownWithoutSeconds) {
    for (const auto& [text, time] :
         std::vector<std::pair<const char*, QTime>>{{"15:00", QTime(15, 0)},
                                                    {"3:00 PM", QTime(15, 0)},
                                                    {"3:05pm", QTime(15, 5)},
                                                    {"7.30", QTime(7, 30)},
                                                    {"19:45:00", QTime(19, 45)}}) {
        double parsed = 0;
        EXPECT_TRUE(ParseTimeText(QLatin1String(text), parsed)) << text;
        EXPECT_EQ(DaysToTime(parsed), time) << text;
    }
    const QLocale before;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        EXPECT_FALSE(ShortTimeFormat().contains(QLatin1Char('s')))
            << ShortTimeFormat().toStdString();
        EXPECT_EQ(ShortTimeText(TimeToDays(QTime(15, 0, 0))).count(QLatin1Char(':')), 1)
            << ShortTimeText(TimeToDays(QTime(15, 0, 0))).toStdString();
    }
    QLocale::setDefault(before);
}

TEST(DateDigits, AsIsoDatesAndCalendarsWriteThem) {
    for (const QDate& d : {QDate(2026, 3, 7), QDate(1899, 12, 30), QDate(2012, 12, 31),
                           QDate(9999, 1, 1), QDate(7, 11, 9)}) {
        EXPECT_EQ(kv::DateDigits(d, QLatin1Char('-')), d.toString(Qt::ISODate));
        EXPECT_EQ(kv::DateDigits(d), d.toString(QStringLiteral("yyyyMMdd")));
    }
    EXPECT_EQ(kv::DateDigits(QDate()), QString());
}
