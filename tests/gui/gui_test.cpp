#include "gui_test.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWindow>

#include "shell/imagebutton.h"
#include "shell/screens.h"

namespace vellimar {

void GuiTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    previous_dir_ = QDir::currentPath();
    QDir::setCurrent(dir.path());
    screens::reset_all();
}

void GuiTest::TearDown() {
    screens::reset_all();
    QApplication::processEvents();
    QDir::setCurrent(previous_dir_);
}

void GuiTest::write_file(const QString& name, const std::string& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

namespace {

enum class Action { Press, Release, Click };

void mouse(QWidget* target, Qt::MouseButton button, Action action) {
    QWidget* window = target->window();
    QPoint at = target->mapTo(window, target->rect().center());
    // Through the window, as the window system delivers it: the widget under
    // the mouse gets the event, and the focus moves the way a click moves it.
    if (QWindow* handle = window->windowHandle(); handle && window->isVisible()) {
        if (action == Action::Press)
            QTest::mousePress(handle, button, {}, at);
        else if (action == Action::Release)
            QTest::mouseRelease(handle, button, {}, at);
        else
            QTest::mouseClick(handle, button, {}, at);
        return;
    }
    QWidget* hit = window->childAt(at);
    if (!hit)
        hit = window;
    QPoint local = hit->mapFrom(window, at);
    if (action == Action::Press)
        QTest::mousePress(hit, button, {}, local);
    else if (action == Action::Release)
        QTest::mouseRelease(hit, button, {}, local);
    else
        QTest::mouseClick(hit, button, {}, local);
}

} // namespace

void click(QWidget* target, Qt::MouseButton button) {
    mouse(target, button, Action::Click);
}
void press(QWidget* target, Qt::MouseButton button) {
    mouse(target, button, Action::Press);
}
void release(QWidget* target, Qt::MouseButton button) {
    mouse(target, button, Action::Release);
}

void expect_pressed_look(ImageButton* button, QWidget* caption, QPoint pressed, QPoint released) {
    SCOPED_TRACE(button->window()->objectName() + "." + button->objectName());
    const QRect caption_geometry = caption->geometry();
    press(button, Qt::RightButton);
    EXPECT_EQ(button->position_twips(), pressed);
    release(button, Qt::RightButton);
    EXPECT_EQ(button->position_twips(), released);
    press(caption);
    EXPECT_EQ(button->position_twips(), pressed);
    EXPECT_EQ(caption->geometry(), caption_geometry);
    release(button);
    EXPECT_EQ(button->position_twips(), released);
}

QStringList message_texts(const FakeDialogs& dialogs) {
    QStringList texts;
    for (const ShownMessage& message : dialogs.messages)
        texts.append(message.text);
    return texts;
}

} // namespace vellimar
