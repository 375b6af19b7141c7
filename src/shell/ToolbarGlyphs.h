#pragma once

#include <QIcon>

// The pictures of the frame's toolbar buttons.
enum class TGlyph { Open, New, Save, SaveAll, Print, Undo, Redo, Cut, Copy, Paste, Run, Help };

// Draws the glyph; the pictures are painted here so that the program needs no icon theme.
QIcon ToolbarGlyph(TGlyph glyph);
