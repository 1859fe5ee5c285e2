#pragma once
// The load list screen: the items to protect, their total, the voltage and
// the runtime, and the way to a suggestion.
#include "core/load_list.h"
#include "core/own_va.h"
#include "ui/screen.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vellimar {

class ImageButton;
class Screens;

class LoadListScreen : public Screen {
    Q_OBJECT
  public:
    explicit LoadListScreen(Screens& screens);

    // Appends one item the way every entry screen does: to the load list,
    // its description to the visible list and its VA text to the hidden one,
    // then updateTotal.
    void appendItem(const LoadItem& item);
    // Writes the load list's total as text, into the hidden total box too.
    void updateTotal();

    QString runtimeText() const;
    // The chosen runtime item, -1 while the runtime is typed or not chosen.
    int runtimeIndex() const;
    // "0" until the first total is written, then the load list's total as text.
    QString totalText() const { return totalText_; }
    bool volts120() const;

    void addAnother();
    void startOver();
    void suggest();
    void showHelp();

  private:
    QListWidget* itemList_; // List1
    QListWidget* vaList_;   // List2, hidden: the VA text of each item, written from items_
    QLineEdit* totalBox_;   // Text1, hidden: totalText, written from items_
    QRadioButton* volts120Option_;
    QRadioButton* volts230Option_;
    QComboBox* runtimeBox_;
    ImageButton* addButton_;
    ImageButton* startOverButton_;
    ImageButton* suggestButton_;
    ImageButton* helpButton_;

    void runtimeTyped(const QString& text);

    Screens& screens_;
    LoadList items_;
    QString totalText_ = QStringLiteral("0");
};

} // namespace vellimar
