#pragma once
#include <QString>

class QApplication;

namespace vellimar {
// Names, style and fonts of the application; used by main and by the tests.
void setupApplication(QApplication& app);
// Chooses the data folder of the run: `dataDir` when it is given, else the
// first of data_folder_candidates() that holds the data. Where none does the
// user is told once, naming the folders searched (in a message box and on
// standard error), and the run goes on.
void useDataFolder(const QString& dataDir);
// Start-up: the category menu is created and shown; no other screen exists.
void startSelector();
} // namespace vellimar
