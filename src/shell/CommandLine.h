#pragma once

#include <QStringList>

#include <vector>

// The program's command line split at "--": what comes before it holds options (Qt's own, such
// as -style or -reverse, and --help, --version) and file names; everything after it is a file
// name, however it begins.
struct TCommandLine
{
    enum class TInfo { None, Help, Version };

    // The program name and the arguments before "--", for the application object, ending
    // with a null pointer as argv does.
    std::vector<char *> OptionArguments;
    int OptionCount = 0;
    // The names after "--".
    QStringList FilesAfterOptions;
    // --help (-h) or --version before "--": print and end.
    TInfo Info = TInfo::None;
};

TCommandLine SplitCommandLine(int argc, char **argv);
