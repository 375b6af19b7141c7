#pragma once

#include <QWidget>

#include <functional>

// Runs the action on the visible top-level widget of that object name as soon as the event
// loop runs, that is once a modal dialog has been shown; fails the test when there is none.
// The action must close the dialog, or the test waits for ever.
void WhenModalShows(const QString &objectName, std::function<void(QWidget &)> action);

// Clicks the button of that object name inside the dialog.
void ClickButton(QWidget &dialog, const char *name);
