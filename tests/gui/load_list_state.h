#pragma once
// The whole load list as the user has it: every description, every VA text
// and the total, to compare before and after something went wrong.
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <ostream>

#include "loadlist/form1.h"
#include "shell/screens.h"

namespace vellimar {

struct LoadListState {
    QStringList descriptions;
    QStringList vas;
    QString total;

    static LoadListState of(const Form1& list) {
        LoadListState state;
        for (int row = 0; row < list.List1->count(); ++row)
            state.descriptions << list.List1->item(row)->text();
        for (int row = 0; row < list.List2->count(); ++row)
            state.vas << list.List2->item(row)->text();
        state.total = list.Text1->text();
        return state;
    }
    static LoadListState now() { return of(screens::form1()); }

    bool operator==(const LoadListState& other) const {
        return descriptions == other.descriptions && vas == other.vas && total == other.total;
    }
};

inline void PrintTo(const LoadListState& state, std::ostream* out) {
    *out << state.descriptions.size() << " items {"
         << state.descriptions.join(QStringLiteral(", ")).toStdString() << "} VA {"
         << state.vas.join(QStringLiteral(", ")).toStdString() << "} total \"" << state.total.toStdString()
         << '"';
}

} // namespace vellimar
