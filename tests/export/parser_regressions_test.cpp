// Inputs that once made a reader misbehave (found by the fuzzers, or written by hand to be
// hostile) are kept and read again on every run.
#include "support/parser_inputs.h"
#include "support/testenv.h"

#include <QDir>
#include <QElapsedTimer>

#include <functional>

namespace {

class ParserRegressions : public kvtest::TTempHome {};

} // namespace

TEST_F(ParserRegressions, KeptInputsAreReadWithoutHarm) {
    const std::pair<const char*, std::function<void(const QByteArray&)>> readers[] = {
        {"tournament_file", kvinputs::TournamentFile}, {"legacy_file", kvinputs::LegacyFile},
        {"tournament_list", kvinputs::TournamentList}, {"language_file", kvinputs::LanguageFile},
        {"named_file", kvinputs::NamedFile},           {"csv_file", kvinputs::CsvFile},
        {"score_text", kvinputs::ScoreText},           {"language_texts", kvinputs::LanguageTexts},
        {"csv_scheme", kvinputs::CsvWithScheme},       {"publish_json", kvinputs::PublishJson},
    };
    int inputs = 0;
    for (const auto& [name, read] : readers) {
        const QDir dir(kvtest::DataPath(QStringLiteral("fuzz-regressions/") + QLatin1String(name)));
        for (const QString& file : dir.entryList(QDir::Files)) {
            SCOPED_TRACE(file.toStdString());
            QElapsedTimer timer;
            timer.start();
            read(ReadFile(dir.filePath(file)));
            EXPECT_LT(timer.elapsed(), 10000) << name;
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}

TEST_F(ParserRegressions, HostileCountsDoNotAllocateAhead) {
    // Counts that promise far more than the file holds run into the end of the file.
    const QByteArray small = ReadFile(kvtest::DataPath(QStringLiteral("files/small.kvd")));
    for (const char* count :
         {"\r\n3\r\nAjax", "\r\n6\r\n0 0 ", "\r\n14\r\n0 17", "\r\n1\r\n\r\n"}) {
        QByteArray hostile = small;
        const QByteArray needle(count);
        const qsizetype at = hostile.indexOf(needle);
        ASSERT_GE(at, 0) << count;
        QByteArray replacement = needle;
        replacement.replace(2, needle.indexOf('\r', 2) - 2, "2000000000");
        hostile.replace(at, needle.size(), replacement);
        kv::TTournament t(kv::TTournamentDefaults::FromSettings());
        EXPECT_FALSE(kv::ReadTournamentBytes(t, hostile, QStringLiteral("hostile.kvd"))) << count;
    }
}
