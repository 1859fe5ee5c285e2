#pragma once
// How the selector's own widgets read to screen readers. Image buttons are
// pictures to Qt, and their captions are separate labels; without these
// interfaces a screen reader meets an unpressable picture and then its
// caption a second time.
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
//  - message box icons: named for the kind of message.
void install_accessibility();

// Leaves a button's caption label out of what screen readers read: the
// button already carries the caption as its name.
void hide_from_screen_readers(QWidget* caption);

} // namespace vellimar
