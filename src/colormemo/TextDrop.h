#pragma once

// What dropping a dragged selection does to the text, in offsets.
struct TTextDropPlan
{
    // The drop point lies inside the dragged selection: only the caret moves there.
    bool CaretOnly = false;
    // For a move: the selection to delete first ([DeleteStart, DeleteStart + DeleteLength)).
    int DeleteStart = 0;
    int DeleteLength = 0;
    // Where the dragged text goes in after the deletion; for CaretOnly, where the caret goes.
    int InsertAt = 0;
};

// Plans the drop of the selection [selStart, selStart + selLength) at dropOffset. A drop point
// within the selection, both ends included, only moves the caret. Otherwise the text is copied
// (copy) or moved: the selection is deleted, and a drop point behind it moves back by its
// length.
TTextDropPlan PlanTextDrop(int selStart, int selLength, int dropOffset, bool copy);
