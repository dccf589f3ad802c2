// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/windowshow.h"

#include <QApplication>
#include <QWidget>

void ShowWithoutActivating(QWidget* window)
{
    QWidget* active = QApplication::activeWindow();
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (window->isMinimized())
        window->showNormal();
    else if (window->isVisible())
        window->raise(); // a window coming on screen comes in front by itself
    else
        window->show();
    if (active && active != window && active->isVisible())
        active->activateWindow();
}
