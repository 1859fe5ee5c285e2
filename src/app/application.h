#pragma once
#include <QString>

#include "app/registry.h"
#include "core/run_state.h"

class QApplication;

namespace vellimar {

// One run of the selector: its state and its screens. It is made after the
// QApplication and goes before it, so every screen is taken down while the
// application still stands (and never from a static destructor when the
// window system ends the process).
struct SelectorRun {
    RunState state;
    Registry screens{state};
};

// Names, style and fonts of the application; used by main and by the tests.
void setupApplication(QApplication& app);
// Chooses the data folder of the run: `dataDir` when it is given, else the
// first of data_folder_candidates() that holds the data. Where none does the
// user is told once, naming the folders searched (in a message box and on
// standard error), and the run goes on.
void useDataFolder(const QString& dataDir);
// Start-up: the category menu is created and shown; no other screen exists.
void startSelector(Registry& screens);
} // namespace vellimar
