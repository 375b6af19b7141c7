#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Gives the keyboard back, when a dialog closes (at the end of the scope), to the window that
// was active when it opened (another dialog, for a dialog opened from one), else to the
// dialog's owner; without a window manager nobody else would, and the keys of that window
// would stay dead.
class TReactivate
{
public:
    explicit TReactivate(QWidget *owner)
        : Owner(QApplication::activeWindow() ? QApplication::activeWindow()
                : owner                      ? owner->window()
                                             : nullptr)
    {}
    ~TReactivate()
    {
        if (Owner)
            Owner->activateWindow();
    }
    TReactivate(const TReactivate &) = delete;
    TReactivate &operator=(const TReactivate &) = delete;

private:
    QPointer<QWidget> Owner;
};
