#include "platform/qtwaitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace kubato {

void QtWaitCursor::begin()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtWaitCursor::end()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kubato
