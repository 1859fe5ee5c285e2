#pragma once
// The few places where the selector meets the outside world: message boxes,
// the input box, the printer and ending the process. Production code always
// goes through these; tests put doubles in their place.
#include <QString>
#include <string>

namespace vellimar {

enum class MessageIcon { None, Information, Critical };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Modal, OK button only. The text keeps its CR / CR LF line breaks.
    virtual void message(const QString& text, const QString& title, MessageIcon icon) = 0;
    // Modal input box with OK and Cancel; Cancel gives the empty text.
    virtual QString input(const QString& prompt, const QString& title, const QString& initial) = 0;
    // Modal question with Yes and No, No the default; true for Yes.
    virtual bool ask(const QString& text, const QString& title) = 0;
    // The standard dialogs that choose a file to open or to save to (`name`
    // suggested, `suffix` added to a name typed without one); the empty text
    // when cancelled.
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& name, const QString& filter,
                                 const QString& suffix) = 0;
};

class Printer {
  public:
    virtual ~Printer() = default;
    // Prints `text` followed by one line end on the default printer as one
    // job named `title` (quarter-inch offset, the printer's own font). True
    // only when the job was handed to the print system. Called off the
    // interface thread, one job at a time; it returns within a bounded time.
    virtual bool print(const QString& text, const QString& title) = 0;
};

class Process {
  public:
    virtual ~Process() = default;
    // Ends the program at once; nothing is asked or saved.
    virtual void end() = 0;
};

struct Platform {
    Dialogs* dialogs;
    Printer* printer;
    Process* process;
};

// The platform in use; the real one unless a test put another in its place.
Platform& platform();

// Puts another platform in place for as long as it lives, and the one
// before it back when it goes, so that nothing has to be reset by hand.
class PlatformInUse {
  public:
    explicit PlatformInUse(const Platform& replacement);
    ~PlatformInUse();
    PlatformInUse(const PlatformInUse&) = delete;
    PlatformInUse& operator=(const PlatformInUse&) = delete;

  private:
    Platform previous_;
};

// The application title, used for every message box.
extern const QString ApplicationTitle;

// A message box titled with the application title.
void showMessage(const QString& text, MessageIcon icon = MessageIcon::None);
// The same for a text from the rules, which are kept as UTF-8.
void showMessage(const std::string& text, MessageIcon icon = MessageIcon::None);

// Prints `text` on the default printer as a job named `title`, on a thread of
// its own, and tells the user whether it worked once the job is done. The
// windows keep answering meanwhile; a job asked for while another is under
// way waits its turn.
void printText(const QString& text, const QString& title);

// A text with its CR LF and lone CR line ends as line feeds, for display.
QString withLineFeeds(QString text);

} // namespace vellimar
