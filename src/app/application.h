#pragma once
#include <QString>

class QApplication;

namespace vellimar {
// Names, style and fonts of the application; used by main and by the tests.
void setup_application(QApplication& app);
// Chooses the data folder of the run: `data_dir` when it is given, else the
// first of data_folder_candidates() that holds the data. Where none does the
// user is told once, naming the folders searched (in a message box and on
// standard error), and the run goes on.
void use_data_folder(const QString& data_dir);
// Start-up: the category menu is created and shown; no other screen exists.
void start_selector();
} // namespace vellimar
