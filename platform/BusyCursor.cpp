#include "platform/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

BusyCursor::BusyCursor()
{
    if (qGuiApp == nullptr)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    shown_ = true;
}

BusyCursor::~BusyCursor()
{
    if (shown_ && qGuiApp != nullptr)
        QGuiApplication::restoreOverrideCursor();
}
