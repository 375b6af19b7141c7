#pragma once

// The page skeletons and document types of the HTML window ("Grundgerüst", "Doc-Types") and the
// page that a new "XHTML und CSS-Datei" gets on its first save. Every indent and blank is part
// of the texts.

#include "Catalogue.h"

#include <QStringList>

namespace SkeletonParts {

inline constexpr char XhtmlStrictDoctype[] = R"(<!DOCTYPE html
     PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN"
    "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">)";

// From the html start tag to the author line.
inline constexpr char XhtmlHeadStart[]
    = R"(<html xmlns="http://www.w3.org/1999/xhtml" xml:lang="en" lang="en">
  <head>
    <title> Beispiel 1 </title>
      <meta name="author" content="Administrator"/>)";

// The character set line of the skeletons of "Grundgerüst" and the end of their head.
inline constexpr char IsoHeadEnd[]
    = R"(      <meta http-equiv="content-type" content="text/html; charset=ISO-8859-1"/>
  </head>)";

// The character set and the style sheet link ("%1": the style sheet's file name), the end of
// the head and an empty line.
inline constexpr char StylesheetHeadEnd[]
    = R"(      <meta http-equiv="Content-Type" content="text/html; charset=UTF-8" />
    <link rel="stylesheet" type="text/css"
        href="%1" title="style1"/>
  </head>
)";

// The body and the end of every XHTML skeleton.
inline constexpr char PageBody[] = R"(  <body>
    <h1>
      Überschrift
    </h1>
  </body>
</html>)";

inline constexpr char Html401StrictHead[] = R"(<?xml version="1.0" ?>
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN"
        "http://www.w3.org/TR/html4/strict.dtd">)";

inline constexpr char Html401TransitionalHead[] =
    R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN"
          "http://www.w3.org/TR/html4/loose.dtd">)";

} // namespace SkeletonParts

// T0: XHTML 1.0 Strict page that links a style sheet ("%1": its file name).
inline constexpr auto StylesheetPage = JoinLines(R"(<?xml version="1.0" encoding="UTF-8" ?>)",
                                                 SkeletonParts::XhtmlStrictDoctype,
                                                 SkeletonParts::XhtmlHeadStart,
                                                 SkeletonParts::StylesheetHeadEnd,
                                                 SkeletonParts::PageBody);
// T1: XHTML 1.0 Strict.
inline constexpr auto XhtmlStrictPage = JoinLines(R"(<?xml version="1.0" encoding="UTF-8"?>)",
                                                  SkeletonParts::XhtmlStrictDoctype,
                                                  SkeletonParts::XhtmlHeadStart,
                                                  SkeletonParts::IsoHeadEnd,
                                                  SkeletonParts::PageBody);
// T2: HTML 4.01 Strict.
inline constexpr auto Html401StrictPage = JoinLines(SkeletonParts::Html401StrictHead,
                                                    SkeletonParts::XhtmlHeadStart,
                                                    SkeletonParts::IsoHeadEnd,
                                                    SkeletonParts::PageBody);
// T3: HTML 4.01 Transitional.
inline constexpr auto Html401TransitionalPage = JoinLines(SkeletonParts::Html401TransitionalHead,
                                                          SkeletonParts::XhtmlHeadStart,
                                                          SkeletonParts::IsoHeadEnd,
                                                          SkeletonParts::PageBody);
// T4: pure HTML.
inline constexpr char PureHtmlPage[] = R"(<html>
  <head>
    <title> Beispiel 1 </title>
  </head>
  <body>
    <p>
      1. Zeile
    </p>
  </body>
</html>)";

// D1 and D2, put in front of the first line.
inline constexpr char XhtmlDocType[] = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD XHTML 1.1 "
                                       "Transitional//EN\"\n"
                                       "\t\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-dtd\">";
inline constexpr char OldDocType[] = "<html>";

// The rows of "Grundgerüst" and "Doc-Types".
inline constexpr TCatalogueEntry SkeletonItems[] = {
    {"MnBasicXHTML_strict11",
     "mit DocType für neue CSS-Seiten, XHTML (Version 1.01)",
     "",
     TCatalogueAction::Append,
     XhtmlStrictPage.data()},
    {"MnBasicXHTML",
     "mit DocType für neue CSS-Seiten, XHTML (HTML Version 4.01)",
     "",
     TCatalogueAction::Append,
     Html401StrictPage.data()},
    {"MnBasicOld",
     "mit DocType für veraltete Seiten",
     "",
     TCatalogueAction::Append,
     Html401TransitionalPage.data()},
    {"MnBasic", "pures HTML, ohne DocType", "", TCatalogueAction::Append, PureHtmlPage},
};
inline constexpr TCatalogueEntry DocTypeItems[] = {
    {"MnDocTypeXHTML",
     "DocType für neue CSS-Seiten, XHTML",
     "",
     TCatalogueAction::AtTop,
     XhtmlDocType},
    {"MnDocTypeOld", "DocType für veraltete Seiten", "", TCatalogueAction::AtTop, OldDocType},
};

// T0 with the style sheet's file name (no folder).
QStringList StylesheetPageLines(const QString &stylesheetName);
