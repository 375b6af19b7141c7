#pragma once

// The replacement outside script blocks in its first, literal form, and an alphabet of text
// pieces and character pairs that exercises it; shared by the tests and the fuzz target.

#include "CodePage.h"

#include <QString>
#include <QStringList>

#include <algorithm>

// The routine as it was first written: after every single replacement the markers are looked
// for again in the whole changed text, and the next occurrence is the first one left in it.
// Quadratic, kept here as the reference that the linear version must agree with.
struct TLiteralMarkers
{
    int S1 = 0, S2 = 0, P1 = 0, P2 = 0, A1 = 0, A2 = 0;
};

inline TLiteralMarkers LiteralMarkers(const QString &w)
{
    QString upper = w;
    for (QChar &c : upper)
        c = AnsiUpper(c);
    const auto pos = [&](const char *marker) {
        return int(upper.indexOf(QLatin1String(marker))) + 1;
    };
    TLiteralMarkers m;
    const int language = pos("<SCRIPT LANGUAGE");
    const int type = pos("<SCRIPT TYPE=\"TEXT/JAVASCRIPT\">");
    m.S1 = language == 0 ? type : (type == 0 ? language : std::min(language, type));
    m.S2 = pos("</SCRIPT>");
    m.P1 = pos("<?");
    m.P2 = pos("?>");
    m.A1 = pos("<%");
    m.A2 = pos("%>");
    return m;
}

inline QString LiteralReplaceOutsideScripts(QChar c, const QString &r, const QString &text)
{
    QString w = text;
    TLiteralMarkers m = LiteralMarkers(w);
    int p = int(w.indexOf(c)) + 1;
    while (p > 0) {
        const auto pair = [&](int open, int close) {
            return open > 0 && close > 0 && open <= p && p <= close;
        };
        const bool isProtected = pair(m.S1, m.S2) || pair(m.P1, m.P2) || pair(m.A1, m.A2);
        // The spared character stands in as a private-use character that no text here holds
        // (code 0 would mix it up with the text's own code-0 characters).
        w = w.left(p - 1) + (isProtected ? QString(QChar(0xE000)) : r) + w.mid(p);
        m = LiteralMarkers(w);
        p = int(w.indexOf(c)) + 1;
    }
    for (qsizetype i = 0; i < w.size(); ++i) {
        if (w[i] == QChar(0xE000))
            w[i] = c;
    }
    return w;
}

// Pieces of text that hit the markers in several letter cases, the characters being replaced,
// umlauts, tabs and code 0.
inline QStringList ReplaceTextPieces()
{
    QStringList pieces = QString::fromUtf8(
                             "<script language=\"js\">|<SCRIPT LANGUAGE|<Script Language|"
                             "<script type=\"text/javascript\">|<SCRIPT TYPE=\"TEXT/JAVASCRIPT\">|"
                             "</script>|</SCRIPT>|</Script>|<?|?>|<?php|<%|%>|<|?|%|>|/|<scr|"
                             "ipt language|SCRIPT|<ſcript language|ä|Ä|ß|\t|\t\t| |a|x|S|\r\n")
                             .split('|');
    pieces.append(QString(QChar(0)));
    return pieces;
}

// The replaced character followed by its replacement. Some replacements open, close or break
// markers.
inline QStringList ReplacePairs()
{
    return QString::fromUtf8("\t |\t   |\t|ä&#228;|x<|x?|x<?|x%>|x<script language|"
                             "x</script>|\t<?|?!|?|<[|%<|Ss|aA|><%")
        .split('|');
}
