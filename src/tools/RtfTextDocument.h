#pragma once

#include "RtfReader.h"

class QTextDocument;

// Replaces the content of a text document with what the reader read: one block per paragraph
// with its alignment and indents, and the runs with their character formats.
void FillTextDocument(QTextDocument &document, const TRtfDocument &rtf);
