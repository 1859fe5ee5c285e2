#pragma once
// What the five fixed-border screens share: a fixed client size in twips, the
// dark blue background, the window icon, centring at the first show, and a
// window close that ends the program.
#include <QWidget>

namespace vellimar {

class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(const char* name, const QString& title, int widthTwips, int heightTwips);

    // Runs once, right after the screen has been created for the run.
    virtual void load() {}
    // Brings the screen to the front with the keyboard focus.
    void activate();
    // The usual move to another screen: show it, hide this one, then
    // activate it.
    void handOverTo(Screen& next);

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing the window ends the program.
    void closeEvent(QCloseEvent* event) override;
    // Holds back the rest of a double-click that showed this screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool placed_ = false;
    // The time of the mouse press of the click that showed the screen.
    bool shownByClick_ = false;
    quint64 showingPress_ = 0;
    bool ignoringClick_ = false;
};

// Whether the user's last input was a key, rather than the mouse.
bool lastInputWasKeyboard();

} // namespace vellimar
