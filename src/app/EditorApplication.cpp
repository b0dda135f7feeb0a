#include "app/EditorApplication.h"

#include "app/Prompts.h"

#include <QMetaObject>

#include <new>

namespace loopora::app {

bool EditorApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        // Shown once the failed event is behind us; the memory it held is free again.
        QMetaObject::invokeMethod(
            this, [] { showMessage(nullptr, QStringLiteral("Недостаточно памяти для выполнения операции.")); },
            Qt::QueuedConnection);
        return false;
    }
}

} // namespace loopora::app
