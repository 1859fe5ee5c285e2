#pragma once
// Reading and choosing list box entries as a user does.
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace vellimar {

inline QStringList texts_of(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Clicks the entry in `row`.
inline void click_row(QListWidget* list, int row) {
    ASSERT_LT(row, list->count());
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

} // namespace vellimar
