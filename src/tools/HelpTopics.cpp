#include "HelpTopics.h"

#include "TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const THelpTopic Topics[] = {
    {1, "help_Schrift.rtf", "Schriften", "MnHTML_Info_Schriften"},
    {2, "help_Liste.rtf", "&Liste", "MnHTML_Info_Liste"},
    {3, "help_Farben.rtf", "&Farben", "MnHTML_Info_Farben"},
    {4, "help_Tabelle.rtf", "&Tabelle", "MnHTML_Info_Tabelle"},
    {5, "help_Frames.rtf", "&Frames", "MnHTML_Info_Frames"},
    {6, "help_Links.rtf", "Links", "MnHTML_Info_Links"},
    {7, "help_Bilder.rtf", "&Bilder", "MnHTML_Info_Bilder"},
    {8, "help_CSS.rtf", "Cascading Stylesheets", "MnHtml_info_Css"},
    {9, "Formulare.rtf", "Formulare", "MnHelp_Formulare"},
};

// Topic files are a few kilobytes; anything much bigger is not one of them.
constexpr qint64 MaxTopicFileSize = 16 * 1024 * 1024;

// The first of the help folders that holds the file, or an empty text.
QString FindTopicFile(const QString &fileName, const QString &programDirectory)
{
    for (const QString &directory : HelpDirectories(programDirectory)) {
        if (QFileInfo(directory + fileName).isFile())
            return directory + fileName;
    }
    return QString();
}

} // namespace

std::span<const THelpTopic> HelpTopics()
{
    return Topics;
}

const THelpTopic *FindHelpTopic(int number)
{
    for (const THelpTopic &topic : Topics) {
        if (topic.Number == number)
            return &topic;
    }
    return nullptr;
}

QStringList HelpDirectories(const QString &programDirectory)
{
    const QDir program(programDirectory);
    return {QDir::cleanPath(program.absolutePath()) + '/',
            QDir::cleanPath(program.absoluteFilePath("help")) + '/',
            QDir::cleanPath(program.absoluteFilePath("../share/html-editor/help")) + '/'};
}

THelpTopicText ReadHelpTopic(int number, const QString &programDirectory)
{
    THelpTopicText result;
    const THelpTopic *topic = FindHelpTopic(number);
    if (!topic) {
        result.Error = "Zum Thema " + QString::number(number) + " gibt es keine Hilfe.";
        return result;
    }
    const QString path = FindTopicFile(topic->FileName, programDirectory);
    if (path.isEmpty()) {
        result.Error = QString("Die Hilfedatei \"") + topic->FileName
                       + "\" wurde nicht gefunden. Gesucht in:\r\n"
                       + HelpDirectories(programDirectory).join("\r\n");
        return result;
    }
    const TTextReadResult read = ReadTextFile(path, MaxTopicFileSize);
    if (!read.Ok) {
        result.Error = read.Error;
        return result;
    }
    result.Ok = true;
    // The file's bytes as they were: RTF keeps anything beyond ASCII in its own escapes.
    result.Document = ReadRtf(EncodeText(read.Text, read.Format));
    return result;
}
