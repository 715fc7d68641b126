// One libFuzzer target; the reader it feeds is chosen when it is built (KV_FUZZ_<NAME>).
#include "support/parser_inputs.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" const char* __lsan_default_suppressions() {
    return "leak:QCollator::defaultCompare\nleak:QCollator::QCollator\nleak:QLocale::QLocale\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Settings and program folder in a private folder: the readers may look at preferences.
    static QTemporaryDir home;
    qputenv("KELVORANDINE_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
#if defined(KV_FUZZ_TOURNAMENT_FILE)
    kvinputs::TournamentFile(bytes);
#elif defined(KV_FUZZ_LEGACY_FILE)
    kvinputs::LegacyFile(bytes);
#elif defined(KV_FUZZ_TOURNAMENT_LIST)
    kvinputs::TournamentList(bytes);
#elif defined(KV_FUZZ_LANGUAGE_FILE)
    kvinputs::LanguageFile(bytes);
#elif defined(KV_FUZZ_NAMED_FILE)
    kvinputs::NamedFile(bytes);
#elif defined(KV_FUZZ_CSV_FILE)
    kvinputs::CsvFile(bytes);
#elif defined(KV_FUZZ_SCORE_TEXT)
    kvinputs::ScoreText(bytes);
#elif defined(KV_FUZZ_LANGUAGE_TEXTS)
    kvinputs::LanguageTexts(bytes);
#elif defined(KV_FUZZ_CSV_SCHEME)
    kvinputs::CsvWithScheme(bytes);
#elif defined(KV_FUZZ_PUBLISH_JSON)
    kvinputs::PublishJson(bytes);
#endif
    return 0;
}
