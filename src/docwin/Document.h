#pragma once

#include "DiskWatch.h"
#include "SaveResult.h"
#include "TextFile.h"

#include <QByteArray>
#include <QString>

// Kinds of document window, as the frame tells them apart; a window of no kind is skipped by
// the frame's loops over its windows. The kind decides the file text a document writes: an HTML
// page (umlauts and characters outside the code page as character references), or a style
// sheet or other text file.
enum class TDocKind { None = 0, Html = 1, Css = 2 };

// What reading a document's file gave.
struct TDocumentLoad
{
    bool Ok = false;
    // The file's text, lines joined by CR LF.
    QString Text;
    // The German reason when the file could not be read.
    QString Error;
    // A German note for the user (a file that looks binary, lines cut); empty when there is none.
    QString Note;
};

// One open file, without its window: the file name and its parts, how the file is stored
// (encoding, line breaks, carried bytes), reading it and saving it, backup included. The editor
// that shows the document holds its text; the window asks the user and shows the results.
class TDocument
{
public:
    explicit TDocument(TDocKind kind);

    TDocKind Kind() const { return DocKind; }
    // Full path, or "noname" for a document without a file ("(noname)" before opening).
    const QString &FileName() const { return Name; }
    const QString &FileDir() const { return Dir; }
    const QString &FileBase() const { return Base; }
    const QString &FileExt() const { return Ext; }
    void SetFileName(const QString &fileName);
    // Whether the document has a file of its own yet.
    bool HasFile() const;
    const TTextFormat &Format() const { return Fmt; }
    // A short remark for the status bar on how the file is stored; empty for plain ANSI and
    // UTF-8 files.
    QString StatusNote() const;

    // Lines longer than this are shown cut to this length; the file is then written back only
    // while the text is unchanged (see WantsLoadedText).
    static constexpr qsizetype LongestShownLine = 1024 * 1024;

    // Reads a file; on success its format becomes the document's. The name stays as it is.
    TDocumentLoad Load(const QString &path);
    // A file that looks binary, or one whose long lines were cut, is written back byte for byte
    // while its text is unchanged; for that the document keeps the text as the editor holds it
    // right after loading. Changed text of cut lines is not saved: it would lose their rest.
    bool WantsLoadedText() const { return !OriginalBytes.isEmpty(); }
    void SetLoadedText(const QString &text) { LoadedText = text; }

    // Whether saving needs a name first: no file yet, or a file this user may not replace.
    bool NeedsNewName() const;
    // The file a "Speichern unter" choice stands for: an HTML page without extension gets
    // ".html".
    QString SaveAsName(const QString &chosen) const;
    // Writes the text to the document's file, with the backup first when "AutoSave" is on.
    // A file that another program changed since it was read or saved is replaced only when
    // the caller says so (after asking the user); otherwise the save fails and says why.
    TSaveResult Save(const QString &text, bool replaceNewerFile = false);
    // Writes the text to another file and takes that file's name when the write succeeded.
    TSaveResult SaveAs(const QString &path, const QString &text);

    // Whether another program changed or deleted the file since it was read or saved.
    TDiskChange DiskChange();
    // As DiskChange, but each change is told once (the user is asked once per change).
    TDiskChange NewDiskChange();

private:
    TSaveResult WriteTo(const QString &path, const QString &text);
    // The bytes of the file for a text; the format changes to UTF-8 when the text holds
    // characters that the file's code page cannot keep.
    QByteArray FileBytes(const QString &text, TTextFormat &format) const;

    TDocKind DocKind;
    QString Name;
    QString Dir;
    QString Base;
    QString Ext;
    TTextFormat Fmt;
    qsizetype CarriedBytes = 0;
    bool ChangedToUtf8 = false;
    bool LinesCut = false;
    QByteArray OriginalBytes;
    QString LoadedText;
    TDiskWatch Disk;
};
