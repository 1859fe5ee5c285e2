#pragma once
// The load list screen: the items to protect, their total, the voltage and
// the runtime, and the way to a suggestion.
#include <string>

#include "ui/screen.h"

class QAction;
class QComboBox;
class QPoint;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vellimar {

class ImageButton;
class RunState;
class Screens;

class LoadListScreen : public Screen {
    Q_OBJECT
  public:
    LoadListScreen(Screens& screens, RunState& state);

    // Shows the run's items: their descriptions, their VA texts in the hidden
    // list and the total in the hidden box.
    void showItems();
    // After an entry screen has added an item: showItems, and the new item
    // current in the focused list.
    void showAddedItem();

    void addAnother();
    void startOver();
    void suggest();
    void showHelp();

    // Keyboard and context menu actions of the list (Delete, Ctrl+S, Ctrl+O).
    void removeItem();
    void saveList();
    void saveListAs();
    void openList();
    // Replaces the run's list with the load list file at `path` (its bytes),
    // its voltage and runtime where it gives them. A file that cannot be used
    // is named in a message and leaves everything as it was; false then.
    bool openListFile(const std::string& path);

  private:
    bool saveListTo(const QString& path);
    // Sets the options and the runtime box to the run's choices.
    void showChoices();
    void showMenu(const QPoint& at);

    QListWidget* itemList_; // List1
    QListWidget* vaList_;   // List2, hidden: the VA text of each item, written from the state
    QLineEdit* totalBox_;   // Text1, hidden: the total as text, written from the state
    QRadioButton* volts120Option_;
    QRadioButton* volts230Option_;
    QComboBox* runtimeBox_;
    ImageButton* addButton_;
    ImageButton* startOverButton_;
    ImageButton* suggestButton_;
    ImageButton* helpButton_;
    QAction* removeAction_;
    QAction* saveAction_;
    QAction* saveAsAction_;
    QAction* openAction_;

    void runtimeTyped(const QString& text);
    // Writes the runtime box's text and chosen item into the state.
    void recordRuntime();

    Screens& screens_;
    RunState& state_;
};

} // namespace vellimar
