#pragma once

#include <QString>

// Set by a one-use modal dialog's OK button to a non-empty word; callers clear it before they
// show the dialog and act only when it is non-empty afterwards.
extern QString DialogResult;
