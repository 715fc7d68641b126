#pragma once

#include <QStringList>

// The command line belongs to the program: the toolkit is given the program's name alone, so
// that it reads none of the arguments (-name, -reverse, -style, ... and their "--" forms) and
// they reach the program as typed.
namespace kv {

class TToolkitArgs {
public:
    explicit TToolkitArgs(char* programName) : values_{programName, nullptr} {}
    TToolkitArgs(const TToolkitArgs&) = delete;
    TToolkitArgs& operator=(const TToolkitArgs&) = delete;

    // What the application object is built with; both must live as long as it does.
    int& Count() { return count_; }
    char** Values() { return values_; }

private:
    int count_ = 1;
    char* values_[2];
};

// argv[1..] as the program's arguments, decoded as the system encodes file names.
QStringList ProgramArguments(int argc, char** argv);

} // namespace kv
