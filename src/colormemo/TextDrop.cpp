#include "TextDrop.h"

TTextDropPlan PlanTextDrop(int selStart, int selLength, int dropOffset, bool copy)
{
    TTextDropPlan plan;
    if (dropOffset >= selStart && dropOffset <= selStart + selLength) {
        plan.CaretOnly = true;
        plan.InsertAt = dropOffset;
        return plan;
    }
    plan.InsertAt = dropOffset;
    if (!copy) {
        plan.DeleteStart = selStart;
        plan.DeleteLength = selLength;
        if (dropOffset > selStart)
            plan.InsertAt -= selLength;
    }
    return plan;
}
