#pragma once
// A fresh run in a temporary working directory with the platform fakes.
#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>
#include <string>

#include "app/application.h"
#include "app/registry.h"
#include "fakes.h"
#include "screens/category_menu.h"
#include "screens/computer_estimator.h"
#include "screens/info_viewer.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"
#include "screens/results_screen.h"
#include "ui/image_button.h"
#include "ui/layout.h"

namespace vellimar {

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void write_file(const char* name, const std::string& bytes);
    QStringList messages() const { return fakes.dialogs.texts(); }
    // The screen with layout name `form` ("Form1" ... "Form6").
    QWidget& screen(const char* form);
    // The control with layout name `name` on screen `form`.
    template <typename W = QWidget> W* find(const char* form, const std::string& name) {
        return control<W>(&screen(form), name.c_str());
    }
    // The text of the label or box `name` on screen `form`.
    QString text(const char* form, const std::string& name) {
        return find(form, name)->property("text").toString();
    }
    // The texts of the list `name` on screen `form`.
    QStringList items(const char* form, const char* name);

    RunState state;
    Registry screens{state};
    FakePlatform fakes;
    QTemporaryDir dir;

  private:
    QString previous_dir_;
};

// A mouse click (press, release) at the centre of `target` through its window,
// to whatever lies there: a click on a caption reaches the button beneath.
void click(QWidget* target, Qt::MouseButton button = Qt::LeftButton);
void press(QWidget* target, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget* target, Qt::MouseButton button = Qt::LeftButton);

// Whether a window with layout name `name` ("Form1" ... "Form6") is on screen.
bool shown(const char* name);
// Clicks the entry in `row` of `list`.
void click_row(QListWidget* list, int row);

} // namespace vellimar
