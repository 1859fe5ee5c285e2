// The real printer and print queue against a print server on a loopback port that answers, stalls or
// drops the connection (fake_print_server.py), and the paper a media name stands for.
#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/printing.h"

namespace vellimar {
namespace {

const QString Success = QStringLiteral("Successfully printed to default printer!");
const QString Failure = QStringLiteral("There was a problem printing to your printer.");

TEST(PaperTest, MediaNamesAsLpoptionsGivesThemAndTheLocalesPaper) {
    // Each name with its paper's size in points; none for a name that is no paper.
    const QString media = QStringLiteral(
        "Letter=612x792 legal=612x1008 A4=595x842 na_letter=612x792 iso_a5_148x210mm=420x595 "
        "na_legal_8.5x14in=612x1008 w81h252=81x252 Custom.4x6in=288x432 Letter,Tray1=612x792 "
        "A4.Fullbleed=595x842 EnvYou4=298x666 roll_max_36x48in=2592x3456 Quarto-ish=0x0 w0h252=0x0 =0x0");
    for (const QString& row : media.split(QLatin1Char(' '))) {
        const QSize points =
            pageSizeForMedia(row.section(QLatin1Char('='), 0, 0)).size(QPageSize::Point).toSize();
        EXPECT_EQ(QStringLiteral("%1x%2").arg(qMax(0, points.width())).arg(qMax(0, points.height())),
                  row.section(QLatin1Char('='), 1))
            << row.toStdString();
    }
    const std::pair<const char*, QPageSize::PageSizeId> locales[] = {
        {"en_US.UTF-8", QPageSize::Letter}, {"fr_CA", QPageSize::Letter}, {"en_GB.UTF-8", QPageSize::A4},
        {"de_DE@euro", QPageSize::A4},      {"C", QPageSize::A4},         {"", QPageSize::A4}};
    for (const auto& [locale, paper] : locales)
        EXPECT_EQ(localePageSize(QString::fromLatin1(locale)).id(), paper) << locale;
}

// A fake print server per test, the program pointed at it, and the real printer in place.
class PrintServerTest : public ::testing::Test {
  protected:
    void serve(const char* mode, const char* delay = "0") {
        server.kill();
        server.waitForFinished();
        log.clear();
        server.start(QStringLiteral("python3"), {QStringLiteral(FAKE_PRINT_SERVER), mode, delay});
        ASSERT_TRUE(server.waitForReadyRead(10000));
        env.insert(QStringLiteral("CUPS_SERVER"), "127.0.0.1:" + server.readLine().trimmed());
        qputenv("CUPS_SERVER", env.value(QStringLiteral("CUPS_SERVER")).toLatin1());
        qputenv("HOME", home.path().toLocal8Bit()); // the user's lpoptions
        env.insert(QStringLiteral("HOME"), home.path());
    }
    // What the server saw, one event a line.
    QStringList events() {
        log += QString::fromLatin1(server.readAllStandardOutput());
        return log.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // Prints each text in turn, as presses would, and the time until the first message.
    qint64 print(const QStringList& texts) {
        fakes.dialogs.messages.clear();
        QElapsedTimer took;
        took.start();
        for (const QString& text : texts)
            printText(text, QStringLiteral("Vellimar UPS Selector – Results"));
        qint64 first = -1;
        [[maybe_unused]] const bool all = QTest::qWaitFor(
            [&] {
                if (first < 0 && !fakes.dialogs.messages.isEmpty())
                    first = took.elapsed();
                return fakes.dialogs.messages.size() >= texts.size();
            },
            (PrintSystemBoundMs + 5000) * texts.size());
        QTest::qWait(300); // for anything still on its way to the server
        return first;
    }
    void TearDown() override {
        server.kill();
        server.waitForFinished();
        qunsetenv("CUPS_SERVER");
    }

    FakePlatform fakes;
    DefaultPrinter printer;
    PlatformInUse realPrinter{{&fakes.dialogs, &printer, &fakes.process}};
    QProcess server;
    QString log;
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

// Success only once the server has answered for the whole document; a job left behind is cancelled.
TEST_F(PrintServerTest, SuccessOnlyWhenTheServerTookTheWholeDocument) {
    const struct {
        const char* mode;
        QString message;
        QStringList events;
    } cases[] = {
        {"accept", Success, {"created 1", "document 1 * 595x842", "answered 1"}},
        {"stall", Failure, {"created 1", "cancelled 1"}},
        {"drop", Failure, {"created 1", "document 1 * 595x842", "cancelled 1"}},
    };
    for (const auto& expected : cases) {
        serve(expected.mode);
        EXPECT_LE(print({QStringLiteral("Vellimar UPS Selector Results")}), PrintSystemBoundMs + 1000);
        EXPECT_EQ(fakes.dialogs.texts(), QStringList{expected.message}) << expected.mode;
        const QStringList seen = events().replaceInStrings(QRegularExpression(" \\d{4,} "), " * ");
        EXPECT_EQ(seen, expected.events) << expected.mode;
    }
}

// The user's paper from lpoptions, where the server knows no such name.
TEST_F(PrintServerTest, TheUsersOwnPaper) {
    QDir(home.path()).mkpath(QStringLiteral(".cups"));
    for (const auto& [media, box] : {std::pair{"Letter", "612x792"}, {"w81h252", "81x252"}}) {
        QFile options(home.filePath(QStringLiteral(".cups/lpoptions")));
        ASSERT_TRUE(options.open(QIODevice::WriteOnly));
        options.write(QByteArray("Default Fake media=") + media + "\n");
        options.close();
        serve("accept");
        print({QStringLiteral("Paper")});
        EXPECT_EQ(events().value(1).section(QLatin1Char(' '), 3), box) << media;
    }
}

// A job that is still being laid out at its bound, or that would take more pages than any printout,
// is told failed and never reaches the server; the jobs behind it run one after another.
TEST_F(PrintServerTest, AFailedJobNeverPrintsAndTheNextWaitsForIt) {
    serve("accept", "1");
    const QString slowLine(2000000, QLatin1Char('x'));
    const QString manyPages =
        QStringList(300, QStringLiteral("overlong ").repeated(7000)).join(QStringLiteral("\n"));
    const qint64 first = print({slowLine, manyPages, QStringLiteral("one"), QStringLiteral("two")});
    EXPECT_LE(first, PrintSystemBoundMs + 1000);
    EXPECT_EQ(fakes.dialogs.texts(), (QStringList{Failure, Failure, Success, Success}));
    EXPECT_EQ(
        events().replaceInStrings(QRegularExpression(" \\d+ 595x842"), ""),
        (QStringList{"created 1", "document 1", "answered 1", "created 2", "document 2", "answered 2"}));
}

// However the program ends while a job is under way, the printout's temporary file goes with it;
// on "Quit Selector" the job has what is left of its bound.
TEST_F(PrintServerTest, NoPrintoutIsLeftBehind) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT, 0}) {
        serve("stall");
        QTemporaryDir temporary;
        env.insert(QStringLiteral("TMPDIR"), temporary.path());
        QProcess selector;
        selector.setProcessEnvironment(env);
        selector.setWorkingDirectory(QStringLiteral(DATA_DIR));
        selector.start(
            QStringLiteral(PRINT_CHECK),
            {signal ? QStringLiteral("results") : QStringLiteral("quit"), home.filePath("copy.pdf")});
        const auto printing = [&] { return !QDir(temporary.path()).isEmpty(QDir::Files); };
        EXPECT_TRUE(QTest::qWaitFor(printing, 10000)) << signal;
        QElapsedTimer took; // from when the job is under way
        took.start();
        if (signal)
            ::kill(static_cast<pid_t>(selector.processId()), signal);
        EXPECT_TRUE(selector.waitForFinished(PrintSystemBoundMs + 5000));
        EXPECT_EQ(selector.exitStatus(), signal ? QProcess::CrashExit : QProcess::NormalExit) << signal;
        EXPECT_FALSE(printing()) << signal;
        EXPECT_LE(took.elapsed(), PrintSystemBoundMs + 1000);
    }
}

} // namespace
} // namespace vellimar

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
