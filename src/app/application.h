#pragma once
class QApplication;

namespace vellimar {
// Names, style and fonts of the application; used by main and by the tests.
void setup_application(QApplication& app);
// Start-up: the category menu is created and shown; no other screen exists.
void start_selector();
} // namespace vellimar
