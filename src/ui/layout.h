#pragma once
// A screen's layout as one table: each row a control with its layout name
// (kept as objectName), kind, twips rectangle, text, font, tooltip and, for
// pictures, the picture; image buttons also the positions a press and a
// release set.
#include <QWidget>
#include <initializer_list>
#include <utility>
#include <vector>

#include "ui/bitmaps.h"
#include "ui/look.h"

namespace vellimar {

enum class Kind {
    Label,     // white text on the screen's blue
    GreyLabel, // light grey text (the results screen's class captions)
    Caption,   // black caption over an image button; the mouse goes through it
    Button,    // image button with a pressed look
    Icon,      // help or information icon: click only
    Picture,   // bitmap without handlers
    List,
    Combo,
    Option,
    Check,
    TextBox,
};

struct TwipsArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipsPoint {
    int left = 0;
    int top = 0;
};

// One control of a layout; made with the named constructors in `row` below.
struct LayoutRow {
    const char* name;
    Kind kind;
    TwipsArea area;
    // What a label shows; for a control without text of its own (a button,
    // a list, a box) the name a screen reader announces.
    const char* text = "";
    Font font = Font::Screen;
    bool centred = false;
    const char* tooltip = "";
    // Image buttons, icons and pictures: the picture shown, at its own size.
    Bitmap picture = Bitmap::Face;
    // Image buttons only: the positions a press and a release set.
    TwipsPoint pressed{};
    TwipsPoint released{};

    LayoutRow inFont(Font style) const {
        LayoutRow row = *this;
        row.font = style;
        return row;
    }
    LayoutRow centredText() const {
        LayoutRow row = *this;
        row.centred = true;
        return row;
    }
    LayoutRow withTooltip(const char* tip) const {
        LayoutRow row = *this;
        row.tooltip = tip;
        return row;
    }
};

namespace row {
inline LayoutRow label(const char* name, TwipsArea area, const char* text = "") {
    return {name, Kind::Label, area, text};
}
inline LayoutRow greyLabel(const char* name, TwipsArea area, const char* text = "") {
    return {name, Kind::GreyLabel, area, text};
}
inline LayoutRow caption(const char* name, TwipsArea area, const char* text) {
    return {name, Kind::Caption, area, text};
}
inline LayoutRow button(const char* name, Bitmap face, TwipsArea area, const char* caption,
                        TwipsPoint pressed, TwipsPoint released) {
    LayoutRow row{name, Kind::Button, area, caption};
    row.picture = face;
    row.pressed = pressed;
    row.released = released;
    return row;
}
inline LayoutRow icon(const char* name, Bitmap picture, TwipsArea area, const char* purpose = "") {
    LayoutRow row{name, Kind::Icon, area, purpose};
    row.picture = picture;
    return row;
}
inline LayoutRow picture(const char* name, Bitmap picture, TwipsArea area, const char* text) {
    LayoutRow row{name, Kind::Picture, area, text};
    row.picture = picture;
    return row;
}
inline LayoutRow list(const char* name, TwipsArea area, const char* text = "") {
    return {name, Kind::List, area, text};
}
inline LayoutRow combo(const char* name, TwipsArea area, const char* text) {
    return {name, Kind::Combo, area, text};
}
inline LayoutRow option(const char* name, TwipsArea area, const char* text) {
    return {name, Kind::Option, area, text};
}
inline LayoutRow check(const char* name, TwipsArea area) {
    return {name, Kind::Check, area};
}
inline LayoutRow textBox(const char* name, TwipsArea area, const char* text) {
    return {name, Kind::TextBox, area, text};
}
} // namespace row

// Makes the controls of `rows` on `screen`, in table order: that order is
// also the keyboard order and the stacking order (later rows lie above).
void layOut(QWidget* screen, const std::vector<LayoutRow>& rows);

// Each label names the control beside it for screen readers.
void labelControls(const QWidget* screen, std::initializer_list<std::pair<const char*, const char*>> labels);

// A click on each label is a click on the option button or tick box beside it
// (labelControls does this too where the control is a button).
void clickThroughLabels(const QWidget* screen,
                        std::initializer_list<std::pair<const char*, const char*>> labels);

// Stops the program, naming the screen and the control its code asked for:
// a layout name that is not in the layout, or a control of another kind.
[[noreturn]] void missingControl(const QWidget* screen, const char* name, const char* kind);

// The control named `name` on `screen`. A name the layout does not hold stops
// the program at once, in every build, so a mistyped or renamed control is
// found when its screen is first made rather than as a null pointer later.
template <typename W> W* control(const QWidget* screen, const char* name) {
    W* found = screen->findChild<W*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        missingControl(screen, name, W::staticMetaObject.className());
    return found;
}

} // namespace vellimar
