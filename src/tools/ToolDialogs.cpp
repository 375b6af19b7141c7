#include "ToolDialogs.h"

#include <QtGlobal>

namespace {

TToolDialogs *CurrentToolDialogs = nullptr;

} // namespace

TToolDialogs &ToolDialogs()
{
    Q_ASSERT(CurrentToolDialogs);
    return *CurrentToolDialogs;
}

TToolDialogs *SetToolDialogs(TToolDialogs *dialogs)
{
    TToolDialogs *previous = CurrentToolDialogs;
    CurrentToolDialogs = dialogs;
    return previous;
}
