#include "RecoveryJournal.h"

#include "SafeFileWrite.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>
#include <cerrno>

namespace {

TRecoveryJournal *CurrentJournal = nullptr;

const QByteArray Marker = "HTML-Editor Wiederherstellung 1\n";
const QString CopySuffix = QStringLiteral(".rec");
const QString LockSuffix = QStringLiteral(".lock");
const QString DamagedSuffix = QStringLiteral(".damaged");

// The instance that wrote a file: its name up to the first dot.
QString OwnerOf(const QString &fileName)
{
    return fileName.section(u'.', 0, 0);
}

TRecoveryReadResult Damaged(const QString &reason)
{
    TRecoveryReadResult result;
    result.Error = reason;
    return result;
}

} // namespace

TRecoveryJournal::TRecoveryJournal(const QString &folder)
    : Directory(QDir::cleanPath(folder))
{
    // Process number and a random part: a number the system gives to a later process again
    // never makes that process the owner of old copies.
    Instance = QString::number(QCoreApplication::applicationPid()) + u'-'
               + QString::number(QRandomGenerator::system()->generate(), 16);
    Writer.setMaxThreadCount(1);
    if (!QDir().mkpath(Directory)) {
        OpenError = "Der Ordner\r\n" + Directory + "\r\nkann nicht angelegt werden.";
        return;
    }
    Lock = std::make_unique<QLockFile>(Directory + u'/' + Instance + LockSuffix);
    Lock->setStaleLockTime(0);
    if (!Lock->tryLock(0)) {
        OpenError = "Im Ordner\r\n" + Directory + "\r\nkann nicht geschrieben werden.";
        return;
    }
    Usable = true;
}

TRecoveryJournal::~TRecoveryJournal()
{
    Writer.waitForDone();
}

int TRecoveryJournal::NewSlot()
{
    QMutexLocker locker(&Guard);
    const int slot = NextSlot++;
    Newest[slot] = 0;
    return slot;
}

QString TRecoveryJournal::SlotPath(int slot) const
{
    return Directory + u'/' + Instance + u'.' + QString::number(slot) + CopySuffix;
}

void TRecoveryJournal::Write(int slot, TRecoveryEntry entry)
{
    if (!Usable)
        return;
    quint64 generation = 0;
    {
        QMutexLocker locker(&Guard);
        const auto it = Newest.find(slot);
        if (it == Newest.end())
            return;
        generation = it->second = ++Generation;
    }
    Writer.start(
        [this, slot, generation, entry = std::move(entry)] { WriteNow(slot, generation, entry); });
}

void TRecoveryJournal::WriteNow(int slot, quint64 generation, const TRecoveryEntry &entry)
{
    {
        // A newer write of the slot is waiting, or the slot was removed meanwhile.
        QMutexLocker locker(&Guard);
        const auto it = Newest.find(slot);
        if (it == Newest.end() || it->second != generation)
            return;
    }
    // Every write, sync and the final rename are checked: a full disk must not leave a cut copy
    // that looks complete.
    TRecoveryEntry complete = entry;
    if (complete.TextSource)
        complete.Text = complete.TextSource();
    const TSaveResult result = WriteFileSafely(SlotPath(slot), EncodeCopy(complete), false);
    if (!result.IsFailed())
        return;
    const QString error = "Die Wiederherstellungskopie von\r\n" + entry.FileName
                          + "\r\nkann nicht geschrieben werden:\r\n" + result.Reason();
    std::function<void(const QString &)> handler;
    {
        QMutexLocker locker(&Guard);
        WriteError = error;
        handler = WriteFailureHandler;
    }
    if (handler && QCoreApplication::instance())
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [handler, error] { handler(error); },
            Qt::QueuedConnection);
}

void TRecoveryJournal::SetWriteFailureHandler(std::function<void(const QString &)> handler)
{
    QMutexLocker locker(&Guard);
    WriteFailureHandler = std::move(handler);
}

void TRecoveryJournal::Remove(int slot)
{
    {
        QMutexLocker locker(&Guard);
        if (Newest.erase(slot) == 0)
            return;
    }
    // After the writes queued before it, so no earlier write brings the copy back.
    const QString path = SlotPath(slot);
    Writer.start([path] { QFile::remove(path); });
}

void TRecoveryJournal::WaitForWrites()
{
    Writer.waitForDone();
}

QString TRecoveryJournal::TakeWriteError()
{
    QMutexLocker locker(&Guard);
    return std::exchange(WriteError, QString());
}

std::vector<TOrphanCopy> TRecoveryJournal::TakeOrphans(QStringList *damaged)
{
    std::vector<TOrphanCopy> orphans;
    if (!Usable)
        return orphans;
    QStringList owners;
    const QStringList names = QDir(Directory).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString owner = OwnerOf(name);
        if ((name.endsWith(CopySuffix) || name.endsWith(LockSuffix)) && owner != Instance
            && !Claimed.count(owner) && !owners.contains(owner))
            owners.append(owner);
    }
    for (const QString &owner : owners)
        ClaimOrphansOf(owner, orphans, damaged);
    std::sort(orphans.begin(), orphans.end(), [](const TOrphanCopy &a, const TOrphanCopy &b) {
        return a.Written < b.Written;
    });
    return orphans;
}

void TRecoveryJournal::ClaimOrphansOf(const QString &owner,
                                      std::vector<TOrphanCopy> &orphans,
                                      QStringList *damaged)
{
    // The owner's lock can only be taken when the owner no longer runs; holding it keeps
    // every other instance away from these copies.
    auto lock = std::make_unique<QLockFile>(Directory + u'/' + owner + LockSuffix);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return;
    Claimed[owner] = std::move(lock);
    const QDir folder(Directory);
    const QFileInfoList files = folder.entryInfoList({owner + ".*"}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName();
        if (name.endsWith(LockSuffix) || name.contains(LockSuffix + u'.')
            || name.endsWith(DamagedSuffix))
            continue;
        if (!name.endsWith(CopySuffix)) {
            // A temporary file of a write that the end of its run interrupted.
            QFile::remove(file.filePath());
            continue;
        }
        const TRecoveryReadResult read = ReadCopy(file.filePath());
        if (read.Ok()) {
            orphans.push_back({file.filePath(), read.Entry, file.lastModified()});
            continue;
        }
        const QString aside = file.filePath() + DamagedSuffix;
        QFile::rename(file.filePath(), aside);
        if (damaged)
            damaged->append(aside + " (" + read.Error + ")");
    }
    ReleaseIfEmpty(owner);
}

void TRecoveryJournal::ReleaseIfEmpty(const QString &owner)
{
    const QStringList left = QDir(Directory).entryList({owner + ".*" + CopySuffix}, QDir::Files);
    if (left.isEmpty())
        Claimed.erase(owner);
}

int TRecoveryJournal::AdoptOrphan(const TOrphanCopy &copy)
{
    const int slot = NewSlot();
    if (!QFile::rename(copy.Path, SlotPath(slot))) {
        // The copy stays where it is until the new one is safely written.
        Write(slot, copy.Entry);
        WaitForWrites();
        QFile::remove(copy.Path);
    }
    ReleaseIfEmpty(OwnerOf(QFileInfo(copy.Path).fileName()));
    return slot;
}

void TRecoveryJournal::DeleteOrphan(const TOrphanCopy &copy)
{
    QFile::remove(copy.Path);
    ReleaseIfEmpty(OwnerOf(QFileInfo(copy.Path).fileName()));
}

QByteArray TRecoveryJournal::EncodeCopy(const TRecoveryEntry &entry)
{
    const QJsonObject header{{"file", entry.FileName},
                             {"kind", entry.Kind},
                             {"length", double(entry.Text.size())}};
    QByteArray bytes = Marker + QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n';
    // The text as UTF-16 code units: every character the editor holds comes back unchanged.
    const qsizetype start = bytes.size();
    bytes.resize(start + entry.Text.size() * 2);
    qToLittleEndian<quint16>(entry.Text.utf16(), entry.Text.size(), bytes.data() + start);
    return bytes;
}

TRecoveryReadResult TRecoveryJournal::ReadCopy(const QString &path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return Damaged(FileErrorReason(errno, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith(Marker))
        return Damaged("keine Wiederherstellungskopie");
    const qsizetype headerEnd = bytes.indexOf('\n', Marker.size());
    const QJsonObject header
        = QJsonDocument::fromJson(bytes.mid(Marker.size(), headerEnd - Marker.size())).object();
    const qsizetype textBytes = bytes.size() - headerEnd - 1;
    if (headerEnd < 0 || header.isEmpty()
        || textBytes != qsizetype(header.value("length").toDouble(-1)) * 2)
        return Damaged("unvollständig");
    TRecoveryReadResult result;
    result.Entry.FileName = header.value("file").toString();
    result.Entry.Kind = header.value("kind").toString();
    result.Entry.Text.resize(textBytes / 2);
    qFromLittleEndian<quint16>(bytes.constData() + headerEnd + 1,
                               textBytes / 2,
                               result.Entry.Text.data());
    return result;
}

TRecoveryJournal *RecoveryJournal()
{
    return CurrentJournal;
}

TRecoveryJournal *SetRecoveryJournal(TRecoveryJournal *journal)
{
    return std::exchange(CurrentJournal, journal);
}
