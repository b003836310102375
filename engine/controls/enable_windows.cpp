#include "controls/enable_windows.h"

#include <QWidget>

namespace Qarn {

void EnableWindows(QWidget* window, BOOL enable) {
    if (window == nullptr) {
        return;
    }
    window->setEnabled(enable != FALSE);
    const auto children = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        child->setEnabled(enable != FALSE);
    }
}

}  // namespace Qarn
