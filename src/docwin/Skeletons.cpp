#include "Skeletons.h"

#include "EditControl.h"

QStringList StylesheetPageLines(const QString &stylesheetName)
{
    return {
        R"(<?xml version="1.0" encoding="UTF-8" ?>)",
        R"(<!DOCTYPE html)",
        R"(     PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN")",
        R"(    "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)",
        R"(<html xmlns="http://www.w3.org/1999/xhtml" xml:lang="en" lang="en">)",
        R"(  <head>)",
        R"(    <title> Beispiel 1 </title>)",
        R"(      <meta name="author" content="Administrator"/>)",
        R"(      <meta http-equiv="Content-Type" content="text/html; charset=UTF-8" />)",
        R"(    <link rel="stylesheet" type="text/css")",
        R"(        href=")" + stylesheetName + R"(" title="style1"/>)",
        R"(  </head>)",
        QString(),
        R"(  <body>)",
        R"(    <h1>)",
        QString::fromUtf8("      Überschrift"),
        R"(    </h1>)",
        R"(  </body>)",
        R"(</html>)",
    };
}

QStringList CssBasicLines()
{
    return {
        "body {",
        "  font-size: 1.2em;",
        "  color: rgb(100,100,100);",
        "  font-family: Arial, Helvetica, Verdana, sans-serif;",
        "  font-weight: 400;",
        "}",
    };
}

void AppendLines(TEditControl &editor, const QStringList &lines)
{
    for (const QString &line : lines)
        editor.AddLine(line);
    editor.SetSelStart(editor.TextLength());
}
