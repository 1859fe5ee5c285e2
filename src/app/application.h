#pragma once
#include <QString>
#include <string>

#include "app/registry.h"
#include "core/run_state.h"
#include "core/site_sizing.h"

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
// Chooses the data folder of the run's `state`: `dataDir` when it is given, else the
// first of data_folder_candidates() that holds the data. Where none does the
// user is told once, naming the folders searched (in a message box and on
// standard error), and the run goes on.
void useDataFolder(RunState& state, const QString& dataDir);
// Start-up: the category menu is created and shown; no other screen exists.
void startSelector(Registry& screens);
// Start-up with a load list file (its bytes) named on the command line: the
// load list shows it in place of the menu; a file that cannot be used is
// named in a message and the run starts on the menu.
void startWithList(Registry& screens, const std::string& path);
// Writes the printed results page of a sized site to the PDF file at `path`:
// 0, or 1 after saying on standard error why it could not.
int writeResultsPdf(const QString& path, const SiteSizing& site);
} // namespace vellimar
