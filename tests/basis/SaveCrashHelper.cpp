// Saves a file and stops for good before the given step of the save, so that a test can kill
// the process there: save-crash-helper FILE TEXT STEP OCCURRENCE [MAXWRITE]
#include "FaultyFileWriter.h"
#include "SafeFileWrite.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 5)
        return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QByteArray text = argv[2];
    const auto step = static_cast<TFileStep>(atoi(argv[3]));
    const int occurrence = atoi(argv[4]);
    TFaultyFileWriter writer;
    writer.MaxWriteBytes = argc > 5 ? atoll(argv[5]) : 0;
    int seen = 0;
    writer.BeforeStep = [&](TFileStep taken, const QString &) {
        if (taken != step || ++seen != occurrence)
            return;
        std::puts("stopped");
        std::fflush(stdout);
        for (;;)
            ::pause();
    };
    const TSaveResult result = WriteFileSafely(file, text, true, writer);
    std::puts(result.IsSaved() ? "saved" : "failed");
    return 0;
}
