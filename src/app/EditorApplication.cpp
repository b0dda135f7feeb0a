#include "app/EditorApplication.h"

#include "app/Prompts.h"
#include "app/QtText.h"
#include "platform/Texts.h"

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
            this, [] { showMessage(nullptr, qs(_("Недостаточно памяти для выполнения операции."))); },
            Qt::QueuedConnection);
        return false;
    }
}

} // namespace loopora::app
