#pragma once

// The commands the frame relays to the active document window, numbered as the window
// messages they once were (first user message 1024 plus an offset).
enum class TDocCommand : int {
    DocSave = 1038,
    DocPrint = 1039,
    DocClose = 1040,
    DocCloseAlt1 = 1045,
    DocSaveQuiet = 1051,
    DocSaveAs = 1052,
    DocCloseAlt2 = 1056,
    DocUndo = 1079,
    DocRedo = 1080,
    DocCut = 1086,
    DocCopy = 1087,
    DocPaste = 1088,
    DocRun = 1115,
};
