#pragma once

#include <QString>

#include <array>
#include <optional>

// The run commands of the document windows: which page goes to which program. Pure decisions;
// the windows save first, then hand the result to the launcher.

enum class TRunCommand {
    Browser1,   // "&Run (aktuelle Datei) (Browser1)", F9 of the HTML window
    MainHtml,   // "Main-HTML"
    WebBrowser, // "Run mit MS Explorer", "Main-HTML mit MS Explorer": the desktop's browser
    Browser2,   // "Run mit Browser2"
    Browser3,   // "Run mit Browser3"
    Browser4,   // "Run mit Browser4"
};

// What to start: a program with the page as its one argument, the page opened with the program
// the desktop associates with it, or the page in the desktop's default web browser.
struct TRunTarget
{
    enum class TKind { Program, Document, WebBrowser };

    TKind Kind = TKind::Document;
    QString Program;
    QString Page;

    bool operator==(const TRunTarget &) const = default;
};

// What a run command knows: the document's file (after saving), the frame's main page and the
// four browser settings.
struct TRunContext
{
    QString FileName;
    QString MainHtml;
    std::array<QString, 4> Browsers;
};

// The HTML window's target. Browser2 to Browser4 start their setting even when it is empty (the
// launcher then reports the missing program). Empty for "Main-HTML" without a main page.
std::optional<TRunTarget> HtmlRunTarget(TRunCommand command, const TRunContext &context);

// The CSS window's target: the main page, or the HTML page that belongs to the style sheet.
// Empty when there is no page to show. Browser1 is "Main-HTML" (F9) here; Browser2 to Browser4
// open the page with the desktop when their setting is empty.
std::optional<TRunTarget> CssRunTarget(TRunCommand command, const TRunContext &context);

// The page beside a style sheet: its name with the extension replaced by ".xhtml", ".html",
// ".htm" and ".xml", the first that exists. Empty when none exists or the sheet has no file.
QString FindPageOfStylesheet(const QString &fileName);

// The caption of a "Run mit BrowserN" item for the browser setting: the program's file name
// without folder and extension, first letter upper case, the rest lower case ("Firefox" for
// /usr/bin/firefox or C:\Programme\Mozilla Firefox\firefox.exe); an empty setting gives the
// item's own caption "Run mit BrowserN".
QString BrowserCaption(int number, const QString &setting);

// The message for a start that failed with the shell result code.
QString RunFailureText(int code, const QString &target);

// Shown when a run command has no page to show.
inline const QString NoPageMessage = QStringLiteral("Html-Datei existiert nicht");
