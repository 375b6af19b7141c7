#pragma once

#include "FileWriter.h"

#include <functional>
#include <map>
#include <vector>

// A file writer for tests: the system's, except for the steps it is told to fail. It records
// every step in order, can cut writes short, and can stop before a step (a test process that
// is killed there).
class TFaultyFileWriter : public TSystemFileWriter
{
public:
    // The occurrence-th call (1-based, counted per step) fails with the error. For Write, keep
    // bytes of that call are written first (0: it fails at its first byte).
    void FailAt(TFileStep step, int error, int occurrence = 1, qint64 keep = 0);
    // Every write puts out at most this many bytes (a short write, as the system may do).
    qint64 MaxWriteBytes = 0;
    // Called before every step with the step and its path (the file's path for the steps on an
    // open file).
    std::function<void(TFileStep, const QString &)> BeforeStep;
    // The steps taken, in order.
    std::vector<TFileStep> Steps;
    int Count(TFileStep step) const;

    int Create(const QString &path, mode_t mode, int &handle) override;
    int OpenExisting(const QString &path, int &handle) override;
    int Write(int handle, qint64 offset, const char *data, qint64 size, qint64 &written) override;
    int Reserve(int handle, qint64 size) override;
    int Truncate(int handle, qint64 size) override;
    int SetMode(int handle, mode_t mode) override;
    int SetOwner(int handle, uid_t owner, gid_t group) override;
    int Sync(int handle) override;
    int Close(int handle) override;
    int Rename(const QString &from, const QString &to) override;
    int Link(const QString &existing, const QString &newName) override;
    int Remove(const QString &path) override;
    int SyncDirectory(const QString &directory) override;

private:
    struct TFault
    {
        TFileStep Step;
        int Error;
        int Occurrence;
        qint64 Keep;
    };
    // Records the step; the fault planned for this call of it, if any.
    const TFault *Take(TFileStep step, const QString &path);

    std::vector<TFault> Faults;
    std::map<TFileStep, int> Calls;
    std::map<int, QString> Paths;
};

// Installs a file writer for the lifetime of the object and restores the previous one.
class TFileWriterScope
{
public:
    explicit TFileWriterScope(TFileWriter &writer)
        : Previous(SetFileWriter(&writer))
    {}
    ~TFileWriterScope() { SetFileWriter(Previous); }
    TFileWriterScope(const TFileWriterScope &) = delete;
    TFileWriterScope &operator=(const TFileWriterScope &) = delete;

private:
    TFileWriter *Previous;
};
