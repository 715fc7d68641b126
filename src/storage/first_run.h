#pragma once

#include <QString>

// A program folder made ready from the files installed with the program: an installed program
// keeps its tournaments in the user's own folder, which starts empty.
namespace kv {

struct TFirstRunResult {
    int Samples = 0;   // sample tournaments copied and listed
    int Languages = 0; // language files copied or brought up to date
};

// Language files the program folder lacks, or holds in an older state, are copied from
// `dataFolder`/Language. On a program folder without a tournament list and without
// tournaments, the samples of `dataFolder`/samples are copied into SAVES/ and listed in a
// folder "Samples". A user's own files are never replaced; nothing happens when `dataFolder`
// is the program folder itself.
TFirstRunResult PrepareProgramFolder(const QString& dataFolder);

} // namespace kv
