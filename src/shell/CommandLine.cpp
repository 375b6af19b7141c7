#include "CommandLine.h"

#include <QFile>

#include <cstring>

TCommandLine SplitCommandLine(int argc, char **argv)
{
    TCommandLine result;
    bool options = true;
    for (int i = 0; i < argc; ++i) {
        if (!options) {
            result.FilesAfterOptions << QFile::decodeName(argv[i]);
            continue;
        }
        if (i > 0 && std::strcmp(argv[i], "--") == 0) {
            options = false;
            continue;
        }
        if (i > 0 && result.Info == TCommandLine::TInfo::None) {
            if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
                result.Info = TCommandLine::TInfo::Help;
            else if (std::strcmp(argv[i], "--version") == 0)
                result.Info = TCommandLine::TInfo::Version;
        }
        result.OptionArguments.push_back(argv[i]);
    }
    result.OptionCount = static_cast<int>(result.OptionArguments.size());
    result.OptionArguments.push_back(nullptr);
    return result;
}
