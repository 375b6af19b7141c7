#include "FaultyFileWriter.h"

#include <algorithm>

void TFaultyFileWriter::FailAt(TFileStep step, int error, int occurrence, qint64 keep)
{
    Faults.push_back({step, error, occurrence, keep});
}

int TFaultyFileWriter::Count(TFileStep step) const
{
    return int(std::count(Steps.begin(), Steps.end(), step));
}

const TFaultyFileWriter::TFault *TFaultyFileWriter::Take(TFileStep step, const QString &path)
{
    if (BeforeStep)
        BeforeStep(step, path);
    Steps.push_back(step);
    const int call = ++Calls[step];
    const auto fault = std::find_if(Faults.begin(), Faults.end(), [&](const TFault &f) {
        return f.Step == step && f.Occurrence == call;
    });
    return fault == Faults.end() ? nullptr : &*fault;
}

int TFaultyFileWriter::Create(const QString &path, mode_t mode, int &handle)
{
    if (const TFault *fault = Take(TFileStep::Create, path))
        return fault->Error;
    const int error = TSystemFileWriter::Create(path, mode, handle);
    if (error == 0)
        Paths[handle] = path;
    return error;
}

int TFaultyFileWriter::OpenExisting(const QString &path, int &handle)
{
    if (const TFault *fault = Take(TFileStep::OpenExisting, path))
        return fault->Error;
    const int error = TSystemFileWriter::OpenExisting(path, handle);
    if (error == 0)
        Paths[handle] = path;
    return error;
}

int TFaultyFileWriter::Write(
    int handle, qint64 offset, const char *data, qint64 size, qint64 &written)
{
    if (MaxWriteBytes > 0)
        size = std::min(size, MaxWriteBytes);
    written = 0;
    if (const TFault *fault = Take(TFileStep::Write, Paths[handle])) {
        if (fault->Keep > 0)
            TSystemFileWriter::Write(handle, offset, data, std::min(size, fault->Keep), written);
        return fault->Error;
    }
    return TSystemFileWriter::Write(handle, offset, data, size, written);
}

int TFaultyFileWriter::Reserve(int handle, qint64 size)
{
    const TFault *fault = Take(TFileStep::Reserve, Paths[handle]);
    return fault ? fault->Error : TSystemFileWriter::Reserve(handle, size);
}

int TFaultyFileWriter::Truncate(int handle, qint64 size)
{
    const TFault *fault = Take(TFileStep::Truncate, Paths[handle]);
    return fault ? fault->Error : TSystemFileWriter::Truncate(handle, size);
}

int TFaultyFileWriter::SetMode(int handle, mode_t mode)
{
    const TFault *fault = Take(TFileStep::SetMode, Paths[handle]);
    return fault ? fault->Error : TSystemFileWriter::SetMode(handle, mode);
}

int TFaultyFileWriter::SetOwner(int handle, uid_t owner, gid_t group)
{
    const TFault *fault = Take(TFileStep::SetOwner, Paths[handle]);
    return fault ? fault->Error : TSystemFileWriter::SetOwner(handle, owner, group);
}

int TFaultyFileWriter::Sync(int handle)
{
    const TFault *fault = Take(TFileStep::Sync, Paths[handle]);
    return fault ? fault->Error : TSystemFileWriter::Sync(handle);
}

int TFaultyFileWriter::Close(int handle)
{
    const TFault *fault = Take(TFileStep::Close, Paths[handle]);
    Paths.erase(handle);
    // A failing close still releases the file, as the system's does.
    const int error = TSystemFileWriter::Close(handle);
    return fault ? fault->Error : error;
}

int TFaultyFileWriter::Rename(const QString &from, const QString &to)
{
    const TFault *fault = Take(TFileStep::Rename, to);
    return fault ? fault->Error : TSystemFileWriter::Rename(from, to);
}

int TFaultyFileWriter::Link(const QString &existing, const QString &newName)
{
    const TFault *fault = Take(TFileStep::Link, newName);
    return fault ? fault->Error : TSystemFileWriter::Link(existing, newName);
}

int TFaultyFileWriter::Remove(const QString &path)
{
    const TFault *fault = Take(TFileStep::Remove, path);
    return fault ? fault->Error : TSystemFileWriter::Remove(path);
}

int TFaultyFileWriter::SyncDirectory(const QString &directory)
{
    const TFault *fault = Take(TFileStep::SyncDirectory, directory);
    return fault ? fault->Error : TSystemFileWriter::SyncDirectory(directory);
}
