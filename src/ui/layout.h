#pragma once
// A screen's layout as one table: each row a control with its layout name
// (kept as objectName), kind, twips rectangle, text, font, tooltip and, for
// image buttons, the positions a press and a release set.
#include <QWidget>
#include <initializer_list>
#include <utility>

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

enum class Font { Screen, Bold, Italic, Heading, Arial };

struct TwipsPoint {
    int left = 0;
    int top = 0;
};

struct LayoutRow {
    const char* name;
    Kind kind;
    int left, top, width, height;
    // What a label shows; for a control without text of its own (a button,
    // a list, a box) the name a screen reader announces.
    const char* text = "";
    Font font = Font::Screen;
    bool centred = false;
    const char* tooltip = "";
    // Image buttons only.
    TwipsPoint pressed{};
    TwipsPoint released{};
};

// Makes the controls of `rows` on `screen`, in table order: that order is
// also the keyboard order and the stacking order (later rows lie above).
void layOut(QWidget* screen, std::initializer_list<LayoutRow> rows);

// Each label names the control beside it for screen readers.
void labelControls(const QWidget* screen, std::initializer_list<std::pair<const char*, const char*>> labels);

// A click on each label is a click on the option button or tick box beside it
// (labelControls does this too where the control is a button).
void clickThroughLabels(const QWidget* screen,
                        std::initializer_list<std::pair<const char*, const char*>> labels);

// The control named `name` on `screen`; the layout guarantees it exists.
template <typename W> W* control(const QWidget* screen, const char* name) {
    W* found = screen->findChild<W*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(found, "control", name);
    return found;
}

} // namespace vellimar
