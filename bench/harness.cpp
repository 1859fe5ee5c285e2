#include "bench/harness.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>

#include "app/application.h"
#include "app/registry.h"
#include "bench/generator.h"
#include "ui/fakes.h"

namespace vellimar::bench {

namespace {

TempDir* temp_dir = nullptr;
FakePlatform* fake_platform = nullptr;

// The console output as usual, and each case's time kept for the summary:
// the median over repetitions when there are some, else the mean.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const std::string& name = run.run_name.function_name;
            const double ms =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1000.0;
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median")
                    medians_[name] = ms;
            } else {
                sums_[name] += ms;
                ++counts_[name];
            }
        }
    }

    // Milliseconds per iteration, or a negative value when the case did not run.
    double milliseconds(const std::string& name) const {
        if (auto median = medians_.find(name); median != medians_.end())
            return median->second;
        if (auto sum = sums_.find(name); sum != sums_.end())
            return sum->second / counts_.at(name);
        return -1;
    }

    void print_summary(const std::vector<Ratio>& ratios, const std::vector<Limit>& limits) const {
        std::printf("\nSummary (%s real time per iteration):\n", medians_.empty() ? "mean" : "median");
        for (const Ratio& ratio : ratios) {
            const double measured = milliseconds(ratio.measured);
            const double baseline = milliseconds(ratio.baseline);
            if (measured < 0 || baseline <= 0) {
                std::printf("  %s / %s: not run\n", ratio.measured.c_str(), ratio.baseline.c_str());
                continue;
            }
            const double value = measured / baseline;
            std::printf("  %s / %s = %.3f ms / %.3f ms = %.2f", ratio.measured.c_str(),
                        ratio.baseline.c_str(), measured, baseline, value);
            if (ratio.at_most > 0)
                std::printf(" (target at most %.2f: %s)", ratio.at_most,
                            value <= ratio.at_most ? "met" : "MISSED");
            std::printf("\n");
        }
        for (const Limit& limit : limits) {
            const double measured = milliseconds(limit.measured);
            if (measured < 0) {
                std::printf("  %s: not run\n", limit.measured.c_str());
                continue;
            }
            if (limit.at_most_ms <= 0)
                std::printf("  %s = %.3f ms\n", limit.measured.c_str(), measured);
            else
                std::printf("  %s = %.3f ms (target at most %.0f ms: %s)\n", limit.measured.c_str(), measured,
                            limit.at_most_ms, measured <= limit.at_most_ms ? "met" : "MISSED");
        }
    }

  private:
    std::map<std::string, double> medians_;
    std::map<std::string, double> sums_;
    std::map<std::string, int> counts_;
};

QtMessageHandler qt_default_handler = nullptr;

// The offscreen platform says so on every raise() the viewer asks for; that
// line would bury the figures.
void quiet_qt_messages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support raise()")))
        return;
    qt_default_handler(type, context, text);
}

} // namespace

void fail(const std::string& what) {
    std::fflush(stdout);
    std::fprintf(stderr, "benchmark check failed: %s\n", what.c_str());
    if (temp_dir)
        temp_dir->remove();
    // Not std::exit: the screens and Qt are still alive on the stack.
    std::_Exit(EXIT_FAILURE);
}

FakePlatform& fakes() {
    return *fake_platform;
}

void check_no_message(const std::string& where) {
    if (!fake_platform->dialogs.messages.isEmpty())
        fail(where + " showed the message \"" + fake_platform->dialogs.messages.first().text.toStdString() +
             "\"");
}

const std::filesystem::path& data_dir() {
    return temp_dir->path();
}

int run_benchmarks(int argc, char** argv, const std::function<void()>& prepare,
                   const std::vector<Ratio>& ratios, const std::vector<Limit>& limits) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    // Screens without a display: no window system in the figures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qt_default_handler = qInstallMessageHandler(quiet_qt_messages);
    QApplication app(argc, argv);
    setup_application(app);

    FakePlatform platform;
    fake_platform = &platform;
    TempDir dir;
    temp_dir = &dir;
    const QString previous_dir = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    try {
        prepare();
    } catch (const std::exception& error) {
        fail(std::string("writing the data files: ") + error.what());
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_summary(ratios, limits);
    benchmark::Shutdown();

    registry().reset();
    QDir::setCurrent(previous_dir);
    temp_dir = nullptr;
    fake_platform = nullptr;
    return EXIT_SUCCESS;
}

} // namespace vellimar::bench
