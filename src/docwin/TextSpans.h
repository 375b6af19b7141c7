#pragma once

#include "EditControl.h"

#include <QString>
#include <QStringView>

// The one span in which two texts differ: their common head and tail left out. A span never
// starts or ends between CR and LF.
TTextChange DifferingSpan(QStringView before, QStringView after);

// Gives the editor the text after, editing only the span in which it differs from before (the
// editor's text now). The caret ends behind the replaced span.
void ReplaceDifferingSpan(TEditControl &editor, const QString &before, const QString &after);
