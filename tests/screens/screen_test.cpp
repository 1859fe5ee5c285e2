#include "screen_test.h"

#include <algorithm>
#include <functional>

namespace vellimar {

void ScreenTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    previous_dir_ = QDir::currentPath();
    QDir::setCurrent(dir.path());
    screens.reset();
}

void ScreenTest::TearDown() {
    screens.reset();
    QApplication::processEvents();
    QDir::setCurrent(previous_dir_);
}

void ScreenTest::write_file(const char* name, const std::string& bytes) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QWidget& ScreenTest::screen(const char* form) {
    // Touching a screen makes it, so only the one asked for is touched.
    const std::function<QWidget&()> all[] = {[this]() -> QWidget& { return screens.loadList(); },
                                             [this]() -> QWidget& { return screens.modelPicker(); },
                                             [this]() -> QWidget& { return screens.results(); },
                                             [this]() -> QWidget& { return screens.computerEstimator(); },
                                             [this]() -> QWidget& { return screens.infoViewer(); },
                                             [this]() -> QWidget& { return screens.categoryMenu(); }};
    return all[form[4] - '1']();
}

namespace {

// The window of `target`, shown, and the centre of `target` in it.
std::pair<QWindow*, QPoint> spot(QWidget* target) {
    QWidget* window = target->window();
    window->show();
    return {window->windowHandle(), target->mapTo(window, target->rect().center())};
}

} // namespace

void press(QWidget* target, Qt::MouseButton button) {
    const auto [window, at] = spot(target);
    QTest::mousePress(window, button, {}, at);
}
void release(QWidget* target, Qt::MouseButton button) {
    const auto [window, at] = spot(target);
    QTest::mouseRelease(window, button, {}, at);
}
void click(QWidget* target, Qt::MouseButton button) {
    press(target, button);
    release(target, button);
}

bool shown(const char* name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [name](const QWidget* window) {
        return window->objectName() == QLatin1String(name) && window->isVisible();
    });
}

QStringList ScreenTest::items(const char* form, const char* name) {
    QStringList texts;
    for (const QListWidgetItem* item : find<QListWidget>(form, name)->findItems("*", Qt::MatchWildcard))
        texts << item->text();
    return texts;
}

void click_row(QListWidget* list, int row) {
    ASSERT_LT(row, list->count());
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

} // namespace vellimar

int main(int argc, char** argv) {
    // The screens run on Qt's offscreen platform unless a display is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vellimar::setupApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
