#pragma once
// The keyboard order of a screen, as Tab walks it.
#include <QStringList>
#include <QWidget>

namespace vellimar {

// The names of the first `count` controls that Tab reaches on the screen of
// `first`, starting with `first`.
inline QStringList tab_order(QWidget* first, int count) {
    QWidget* screen = first->window();
    QStringList order{first->objectName()};
    for (QWidget* focused = first->nextInFocusChain(); focused != first && order.size() < count;
         focused = focused->nextInFocusChain()) {
        if ((focused->focusPolicy() & Qt::TabFocus) && focused->isVisibleTo(screen) &&
            focused->parentWidget() == screen)
            order << focused->objectName();
    }
    return order;
}

} // namespace vellimar
