#include "Document.h"

#include "AppSettings.h"
#include "DocumentText.h"
#include "FileUtils.h"
#include "SafeFileWrite.h"
#include "UnicodeCodec.h"

#include <QStringList>

#include <algorithm>
#include <cerrno>

namespace {

const QString SavedAsUtf8 = QStringLiteral("als UTF-8 gespeichert");

QString EncodingName(TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::Utf16LE:
        return "UTF-16 LE";
    case TTextEncoding::Utf16BE:
        return "UTF-16 BE";
    case TTextEncoding::Utf32LE:
        return "UTF-32 LE";
    case TTextEncoding::Utf32BE:
        return "UTF-32 BE";
    default:
        return "UTF-8";
    }
}

QString BinaryFileNote(const QString &path)
{
    return "Die Datei\r\n" + path
           + "\r\nist offenbar keine Textdatei (sie enthält Nullbytes oder viele "
             "Steuerzeichen).\r\nSie wird als ANSI-Text gezeigt. Solange sie nicht geändert "
             "wird, schreibt Speichern ihre Bytes unverändert zurück.";
}

QString LongLineNote(const QString &path, qsizetype longest)
{
    return "Die Datei\r\n" + path + "\r\nenthält Zeilen mit mehr als "
           + QString::number(TDocument::LongestShownLine) + " Zeichen (die längste hat "
           + QString::number(longest)
           + ").\r\nSie werden gekürzt gezeigt. Solange der Text nicht geändert wird, schreibt "
             "Speichern die Datei unverändert zurück; geänderter Text lässt sich nicht speichern.";
}

QString CutLinesSaveError(const QString &path)
{
    return "Die Datei\r\n" + path
           + "\r\nwurde nicht gespeichert: Der Editor zeigt ihre langen Zeilen gekürzt, der "
             "geänderte Text würde deren Rest verlieren.";
}

qsizetype CountCarriers(const QString &text)
{
    return std::count_if(text.cbegin(), text.cend(), &IsByteCarrier);
}

} // namespace

TDocument::TDocument(TDocKind kind)
    : DocKind(kind)
    , Name("(noname)")
{}

void TDocument::SetFileName(const QString &fileName)
{
    Name = fileName;
    const TSplitFileName parts = SplitFileName(fileName);
    Dir = parts.Dir;
    Base = parts.Base;
    Ext = parts.Ext;
}

bool TDocument::HasFile() const
{
    return !Name.isEmpty() && Name != NoName && Name != "(noname)";
}

QString TDocument::StatusNote() const
{
    if (ChangedToUtf8)
        return SavedAsUtf8;
    if (LinesCut)
        return "lange Zeilen gekürzt";
    if (WantsLoadedText())
        return "keine Textdatei";
    QString note;
    if (Fmt.Encoding != TTextEncoding::Ansi && Fmt.Encoding != TTextEncoding::Utf8
        && Fmt.Encoding != TTextEncoding::Utf8Bom)
        note = EncodingName(Fmt.Encoding);
    if (Fmt.CarriesBytes && CarriedBytes > 0) {
        note = EncodingName(Fmt.Encoding) + " mit " + QString::number(CarriedBytes)
               + (CarriedBytes == 1 ? " ungültigen Byte" : " ungültigen Bytes");
    }
    return note;
}

TDocumentLoad TDocument::Load(const QString &path)
{
    TDocumentLoad load;
    QByteArray bytes;
    // Taken before reading: a write by another program during the read shows as a change.
    const TFileStamp stamp = FileStampOf(path);
    if (!ReadFileBytes(path, bytes, load.Error))
        return load;
    Disk.Remember(stamp, bytes);
    TDecodedText decoded = DecodeText(bytes, LongestShownLine);
    Fmt = decoded.Format;
    CarriedBytes = decoded.CarriedBytes;
    ChangedToUtf8 = false;
    LoadedText.clear();
    OriginalBytes.clear();
    // The editor would take many times the file's size for longer lines, and minutes.
    LinesCut = decoded.LinesCut;
    QStringList notes;
    if (decoded.LooksBinary)
        notes << BinaryFileNote(path);
    if (LinesCut)
        notes << LongLineNote(path, decoded.LongestLine);
    if (decoded.LooksBinary || LinesCut)
        OriginalBytes = bytes;
    load.Ok = true;
    load.Note = notes.join("\r\n\r\n");
    load.Text = std::move(decoded.Text);
    return load;
}

bool TDocument::NeedsNewName() const
{
    return !HasFile() || IsReadOnlyFile(Name);
}

QString TDocument::SaveAsName(const QString &chosen) const
{
    if (DocKind == TDocKind::Html && SplitFileName(chosen).Ext.isEmpty())
        return chosen + ".html";
    return chosen;
}

TSaveResult TDocument::Save(const QString &text, bool replaceNewerFile)
{
    if (!replaceNewerFile && DiskChange() == TDiskChange::Changed)
        return TSaveResult::Failed("Die Datei\r\n" + Name
                                   + "\r\nwurde inzwischen von einem anderen Programm geändert "
                                     "und wird nicht überschrieben.\r\nDie Datei auf dem "
                                     "Datenträger ist unverändert.");
    return WriteTo(Name, text);
}

TDiskChange TDocument::DiskChange()
{
    return HasFile() ? Disk.Check(Name) : TDiskChange::None;
}

TDiskChange TDocument::NewDiskChange()
{
    return HasFile() ? Disk.TakeNewChange(Name) : TDiskChange::None;
}

TSaveResult TDocument::SaveAs(const QString &path, const QString &text)
{
    TSaveResult result = WriteTo(path, text);
    if (result.IsSaved())
        SetFileName(path);
    return result;
}

TSaveResult TDocument::WriteTo(const QString &path, const QString &text)
{
    // A file marked read-only, or one this user may not replace, is never overwritten.
    if (IsReadOnlyFile(path))
        return TSaveResult::Failed(SaveErrorMessage(path, EACCES, true));
    TTextFormat format = Fmt;
    const bool unchangedBinary = WantsLoadedText() && text == LoadedText;
    if (LinesCut && !unchangedBinary)
        return TSaveResult::Failed(CutLinesSaveError(path));
    const QByteArray bytes = unchangedBinary ? OriginalBytes : FileBytes(text, format);
    TSaveResult result = WriteFileSafely(path, bytes, Settings().AutoSave);
    if (!result.IsSaved())
        return result;
    Disk.Remember(FileStampOf(path), bytes);
    const bool toUtf8 = format.Encoding != Fmt.Encoding;
    ChangedToUtf8 = ChangedToUtf8 || toUtf8;
    Fmt = format;
    if (!unchangedBinary) {
        OriginalBytes.clear();
        LoadedText.clear();
    }
    if (Fmt.CarriesBytes)
        CarriedBytes = CountCarriers(text);
    return toUtf8 ? TSaveResult::Saved(SavedAsUtf8).WithNote(result.Note()) : result;
}

QByteArray TDocument::FileBytes(const QString &text, TTextFormat &format) const
{
    QString fileText;
    if (DocKind == TDocKind::Html) {
        THtmlFileText html = HtmlFileText(text, format.Encoding);
        if (html.NeedsUtf8)
            format.Encoding = TTextEncoding::Utf8;
        fileText = std::move(html.Text);
    } else {
        fileText = CssFileText(text);
    }
    bool lossless = true;
    QByteArray bytes = EncodeText(fileText, format, &lossless);
    if (lossless)
        return bytes;
    // Characters that ANSI cannot hold are never dropped: the file becomes UTF-8.
    format.Encoding = TTextEncoding::Utf8;
    return EncodeText(fileText, format);
}
