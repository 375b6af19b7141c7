#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

void WhenModalShows(const QString &objectName, std::function<void(QWidget &)> action)
{
    QTimer::singleShot(0, [objectName, action] {
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->objectName() == objectName && window->isVisible())
                return action(*window);
        }
        ADD_FAILURE() << "no dialog " << objectName.toStdString() << " shown";
    });
}

void ClickButton(QWidget &dialog, const char *name)
{
    auto *button = dialog.findChild<QAbstractButton *>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}
