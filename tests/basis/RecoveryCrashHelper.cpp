// A program run that keeps a recovery copy and then waits to be killed: the tests end it with
// SIGKILL, as a crash would, and look at what it left behind.
// Usage: recovery_crash_helper FOLDER TEXT
#include "RecoveryJournal.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    TRecoveryJournal journal(QString::fromLocal8Bit(argv[1]));
    const int slot = journal.NewSlot();
    journal.Write(slot, {"/tmp/seite.html", "html", QString::fromUtf8(argv[2])});
    journal.WaitForWrites();
    std::puts(journal.IsUsable() ? "ready" : "unusable");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
