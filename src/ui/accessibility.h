#pragma once
// How the selector's own widgets read to screen readers. An image button's
// caption is a separate label; without these interfaces a screen reader
// would read it again after the button it names.
#include <QString>
#include <initializer_list>

class QAbstractItemView;
class QWidget;

namespace vellimar {

// Installs the interfaces below; once, before the first window shows.
//  - image buttons: push buttons named by their caption, described by their
//    tooltip, with a press action that clicks them;
//  - pictures: images;
//  - the program's own windows: frames that leave caption labels out;
//  - labels given an accessible name (a value beside its heading) or named
//    by another label (a model under its class): their own name, with the
//    label's text readable as text;
//  - combo boxes: as Qt has them, with a way to choose an item;
//  - option buttons put in a group below: read as the group's members;
//  - message box icons: named for the kind of message.
void installAccessibility();

// Leaves a button's caption label out of what screen readers read: the
// button already carries the caption as its name.
void hideFromScreenReaders(QWidget* caption);

// Reads a list's current item when the list gets the focus. Qt reports the
// item only when it becomes current while the list has the focus, so an
// item made current before (the one just added) would go unread.
void readCurrentItemOnFocus(QAbstractItemView* list);

// Puts option buttons that stand loose on a screen into a group that screen
// readers name once, before the option ("Voltage", "120 Volt"), and that
// Tab and Shift+Tab reach at its chosen option.
void groupOptions(QWidget* screen, const QString& name, std::initializer_list<QWidget*> options);

} // namespace vellimar
