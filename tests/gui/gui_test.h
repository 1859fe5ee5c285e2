#pragma once
// What every screen test shares: a fresh run in a temporary working
// directory, the platform fakes, and ways to click as a user does.
#include <QDir>
#include <QPoint>
#include <QSize>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

#include "shell/fakes.h"

// Readable values in failure messages.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text;
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral("\", \"")) << '}';
}
inline void PrintTo(const QPoint& point, std::ostream* out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}
inline void PrintTo(const QSize& size, std::ostream* out) {
    *out << size.width() << 'x' << size.height();
}

namespace vellimar {

class ImageButton;

class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a data file into the working directory, bytes as given.
    void write_file(const QString& name, const std::string& bytes);

    FakePlatform fakes;
    QTemporaryDir dir;

  private:
    QString previous_dir_;
};

// Presses and releases the left mouse button at the centre of `target`, as
// the window system would deliver it: to whatever widget lies there, so a
// click on a caption label reaches the button beneath.
void click(QWidget* target, Qt::MouseButton button = Qt::LeftButton);
// Only the press, or only the release, at the centre of `target`.
void press(QWidget* target, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget* target, Qt::MouseButton button = Qt::LeftButton);

// Presses and releases `button` with the right mouse button on its picture,
// then with the left one on its caption: each press must move it to
// `pressed`, each release to `released`, and the caption must stay put.
void expect_pressed_look(ImageButton* button, QWidget* caption, QPoint pressed, QPoint released);

// The messages shown so far, texts only.
QStringList message_texts(const FakeDialogs& dialogs);

} // namespace vellimar
