#pragma once

#include "EditControl.h"

#include <QString>

#include <array>
#include <optional>

// Going to a line by number and the ten jump marks of a document window.

// The 1-based number of the line that holds the caret (the selection start).
int CaretLine(const TEditControl &editor);

// Moves the caret to the start of line number (1-based) and selects one character. A number not
// below the line count does nothing (so the last line is never a target); 1 or less goes to the
// start of the text. Returns whether the caret moved.
bool MoveToLine(TEditControl &editor, int number);

// The line number typed into the "Gehe Zu" box: nothing for an empty answer or one that is not
// a 32-bit integer (blanks around it are allowed).
std::optional<int> ParseLineNumber(const QString &answer);

// "&Gehe zu...": asks for the line with AskText ("Gehe Zu", "gewünschte Zeile") and moves there.
// Returns whether the caret moved.
bool GoToLineCommand(TEditControl &editor);

// JumpMarks: ten line numbers indexed by the digits 0 to 9, -1 while unset. The window maps
// Ctrl+Shift+digit and "Setze Sprungmarke1" to 3 to Store, Ctrl+digit and "Gehe zur
// Sprungmarke1" to 3 to GoTo.
class TJumpMarks
{
public:
    TJumpMarks() { Lines.fill(-1); }

    // Remembers the caret line under the digit.
    void Store(int digit, const TEditControl &editor);
    // Moves to the line remembered under the digit (an unset mark goes to the start of the
    // text). Returns whether the caret moved.
    bool GoTo(int digit, TEditControl &editor) const;
    int Line(int digit) const { return Lines.at(size_t(digit)); }

private:
    std::array<int, 10> Lines;
};
