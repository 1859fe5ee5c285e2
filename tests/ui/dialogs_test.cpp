// The real message boxes and file dialog, answered by a timer the way a
// user answers them: what they show and what they give back.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "fakes.h" // readable texts in failures
#include "ui/platform.h"

namespace vellimar {
namespace {

// Runs `answer` on the modal window once it is up.
void whenShown(std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, [answer] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 5000));
        answer(*QApplication::activeModalWidget());
    });
}

TEST(RealDialogs, MessagesShowTheTextAsWrittenAndAnswerAsAsked) {
    Dialogs& dialogs = *platform().dialogs;
    const QString longLine = QStringLiteral("A line of words that Qt would break ").repeated(2);
    const struct {
        QString text;
        QString shown;
        MessageIcon icon;
        QMessageBox::Icon shownIcon;
    } cases[] = {
        {"First\r\nSecond\rThird", "First\nSecond\nThird", MessageIcon::Critical, QMessageBox::Critical},
        {longLine, longLine, MessageIcon::Information, QMessageBox::Information},
        {"", "", MessageIcon::None, QMessageBox::NoIcon}};
    for (const auto& c : cases) {
        whenShown([&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            EXPECT_EQ(box.text(), c.shown);
            EXPECT_EQ(box.windowTitle(), "Title");
            EXPECT_EQ(box.icon(), c.shownIcon);
            // A line is never broken: the box grows to hold it.
            const QLabel* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(c.shown.section('\n', 0, 0)));
            QTest::keyClick(&box, Qt::Key_Return);
        });
        dialogs.message(c.text, QStringLiteral("Title"), c.icon);
    }
    // A question takes No unless Yes is chosen.
    for (const bool yes : {false, true}) {
        whenShown([yes](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            EXPECT_EQ(box.text(), "Replace\nit?");
            if (yes)
                box.button(QMessageBox::Yes)->click();
            else
                QTest::keyClick(&box, Qt::Key_Return);
        });
        EXPECT_EQ(dialogs.ask(QStringLiteral("Replace\r\nit?"), QStringLiteral("Title")), yes);
    }
}

// A name typed without its ending gets the ending of the files saved.
TEST(RealDialogs, ASavedFileGetsItsEnding) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    for (const char* typed : {"site", "site.upsload", ""}) {
        whenShown([typed](QWidget& modal) {
            auto* name = modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_TRUE(name);
            name->setText(QString::fromLatin1(typed));
            QTest::keyClick(name, *typed ? Qt::Key_Return : Qt::Key_Escape);
        });
        const QString chosen = platform().dialogs->saveFileName(QStringLiteral("Save"), QString(),
                                                                QStringLiteral("Load lists (*.upsload)"),
                                                                QStringLiteral("upsload"));
        EXPECT_EQ(chosen, *typed ? folder.filePath(QStringLiteral("site.upsload")) : QString()) << typed;
    }
}

} // namespace
} // namespace vellimar
