#include "ImageMaps.h"

#include "Picture.h"
#include "ProgramPaths.h"
#include "Prompter.h"
#include "ShapeFile.h"
#include "TextFile.h"
#include "ToolDialogs.h"

#include <QRegularExpression>

namespace {

QString DialogDirectory(const QString &documentDir)
{
    return documentDir.isEmpty() ? ProgramDirectory : documentDir;
}

} // namespace

std::optional<QStringList> AreaTagLines(const QString &documentDir)
{
    const std::optional<QString> tag = ToolDialogs().AskAreaTag(DialogDirectory(documentDir));
    if (!tag)
        return std::nullopt;
    // The element is one line; should it ever hold line breaks, each part is a line of its own.
    return QStringList{"<br />"} + tag->split(QRegularExpression("\r\n|\r|\n"))
           + QStringList{"<br />"};
}

std::optional<QStringList> ShapeMapLinesFromFiles(const QString &documentDir)
{
    const QString dir = DialogDirectory(documentDir);
    const std::optional<QString> pictureFile = ToolDialogs().AskShapePicture(dir);
    if (!pictureFile)
        return std::nullopt;
    const TPictureResult picture = LoadPicture(*pictureFile);
    if (!picture.Ok()) {
        ShowError("Fehler", picture.Error);
        return std::nullopt;
    }
    const std::optional<QString> shapeFile = ToolDialogs().AskShapeFile(dir);
    if (!shapeFile)
        return std::nullopt;
    const TTextReadResult text = ReadTextFile(*shapeFile, MaxShapeFileSize);
    if (!text.Ok) {
        ShowError("Fehler", text.Error);
        return std::nullopt;
    }
    const TShapeFileResult shapes = ParseShapeFile(text.Text);
    const TShapeMapResult map = shapes.Ok()
                                    ? ShapeMapLines(shapes.File, picture.Picture.Image.size())
                                    : TShapeMapResult{{}, shapes.Error};
    if (!map.Ok()) {
        ShowNote("Hinweis", map.Error);
        return std::nullopt;
    }
    return map.Lines;
}
