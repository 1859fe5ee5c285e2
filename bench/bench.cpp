// The selector's heavy cases, each next to its floor: what any program must at
// least do for the same job. Every case checks what it produced, so a broken
// case never reports a speed. How to run and read it: docs/performance.md.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <strings.h>

#include "app/application.h"
#include "core/equipment_categories.h"
#include "core/load_list.h"
#include "core/ups_classes.h"
#include "fakes.h"
#include "screens/info_viewer.h"
#include "screens/load_list_screen.h"
#include "screens/model_picker.h"
#include "screens/results_screen.h"
#include "ui/layout.h"

namespace fs = std::filesystem;
using namespace vellimar;

namespace {

FakePlatform* fakes = nullptr;
fs::path folder;

SelectorRun* run = nullptr; // the run the cases drive, made in main

void check(bool ok, const std::string& what) {
    if (ok)
        return;
    std::fflush(stdout);
    std::fprintf(stderr, "benchmark check failed: %s\n", what.c_str());
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    std::_Exit(EXIT_FAILURE); // not std::exit: the screens and Qt are still on the stack
}
// Times `action` with the events it posts; a screen showing a message fails the case.
template <typename Action> void measure(benchmark::State& state, const std::string& what, Action action) {
    for (auto _ : state) {
        action();
        QApplication::processEvents();
    }
    check(fakes->dialogs.messages.isEmpty(), what + " showed a message");
}

// The floors, standard library only.
std::size_t count_lines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::size_t lines = 0;
    for (std::string line; std::getline(in, line);)
        ++lines;
    return lines;
}
// Writes `file` once, with CR LF line ends as the shipped files have.
template <typename Write> const fs::path& data_file(const char* name, Write write) {
    static const fs::path path = [&] {
        std::ofstream out(folder / name, std::ios::binary);
        write(out);
        out.close();
        check(out.good(), std::string("writing ") + name);
        std::printf("%s: %zu lines, %.1f MB\n", name, count_lines(folder / name),
                    fs::file_size(folder / name) / 1e6);
        return folder / name;
    }();
    return path;
}

template <typename Floor> void floor_case(benchmark::State& state, const fs::path& file, Floor floor) {
    std::size_t result = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(result = floor(file));
    check(result > 0, "the floor read nothing of " + file.string());
}

// Runtime table: 142,858 bands "b-b", a record per class; the total's band last.
constexpr int Bands = 142858, Total = 2500, RuntimeIndex = 2; // "60 min./ 1 hour", field 4
const char* const Families[] = {"Korr Personal", "Korr Pro", "Korr Webline", "Brisk",
                                "Brisk RM",      "PanoPro",  "Corehall"};
std::string table_field(int band, int upsClass, int field) {
    const char* const suffixes[] = {"", " XL", " + 1 pack", " + 2 packs", " + 4 packs", " + 8 packs"};
    if (field == 1)
        return "Pick a listed runtime for band " + std::to_string(band);
    return Families[upsClass % std::size(Families)] + (" " + std::to_string(band)) + "I" +
           suffixes[field - 2];
}
const fs::path& runtime_table() {
    return data_file("230.txt", [](std::ofstream& out) {
        for (int i = 1; i <= Bands; ++i) {
            const int band = i == Bands ? Total : i == Total ? Bands : i;
            for (int k = 0; k < UpsClassCount; ++k) {
                out << band << '-' << band;
                for (int field = 1; field <= 7; ++field)
                    out << '\t' << table_field(band, k, field);
                out << "\r\n";
            }
        }
    });
}

void BM_Suggest(benchmark::State& state) {
    runtime_table();
    run->screens.reset();
    LoadListScreen& list = run->screens.loadList();
    run->state.addItem({"Item", std::to_string(Total)});
    control<QRadioButton>(&list, "Option2")->setChecked(true);
    control<QComboBox>(&list, "Combo1")->setCurrentIndex(RuntimeIndex);
    list.suggest(); // makes the results screen, which is not measured
    ResultsScreen& results = run->screens.results();
    for (const UpsClass& upsClass : UpsClasses)
        control<QLabel>(&results, upsClass.model_label)->clear();
    measure(state, "Suggest a UPS", [&] { list.suggest(); });
    for (int k = 0; k < UpsClassCount; ++k)
        check(control<QLabel>(&results, UpsClasses[k].model_label)->text().toStdString() ==
                  table_field(Total, k, RuntimeIndex + 2),
              "class " + std::to_string(k) + " shows another model");
    check(results.isVisible() && control<QLabel>(&results, "Label1")->text() == QStringLiteral(" 2500"),
          "no results shown");
}
// Every kind of VA text the screens write; each run of four adds 752.
void BM_VaUpdate(benchmark::State& state) {
    const char* const texts[] = {"250", " 250", "250 VA", "1.5"};
    std::vector<std::string> loads;
    for (int i = 0; i < 10000; ++i)
        loads.push_back(texts[i % 4]);
    std::int64_t total = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(total = running_total(loads));
    check(total == 1880000, "the total is " + std::to_string(total));
}

// Equipment list: 9,000 makers of 10 models in no order and mixed letter
// case, and among them one maker of 10,000 models; 100,000 lines.
constexpr int Makers = 9000, BigModels = 10000;
const std::string BigMaker = "Zentrix Networks";
std::vector<std::string> makers; // in file order
std::string big_model(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "%s-%05d Rack", i % 2 == 0 ? "ZX" : "zx", i); // the sort ignores case
    return text;
}
std::string big_model_va(int i) {
    return std::to_string(100 + (i * 37) % 4900);
}
const fs::path& equipment_list() {
    return data_file("server.txt", [](std::ofstream& out) {
        const char* const syllables[] = {"Kor", "van", "Tel", "ix",  "Mar", "on",
                                         "Sta", "dra", "Vel", "ent", "Qu",  "ara"};
        const char* const kinds[] = {"Systems", "Networks", "Computing", "Devices"};
        std::mt19937 random(20240601);
        for (int i = 0; i < Makers; ++i) {
            std::string name = std::string(syllables[random() % 12]) + syllables[random() % 12] + " " +
                               kinds[i % 4] + " " + std::to_string(i);
            if (i % 5 == 0)
                name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
            makers.push_back(name);
        }
        std::shuffle(makers.begin(), makers.end(), random);
        makers.insert(makers.begin() + Makers / 2, BigMaker);
        std::vector<int> order(BigModels);
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), random);
        for (const std::string& maker : makers) {
            for (int j = 0; maker == BigMaker && j < BigModels; ++j)
                out << maker << ',' << big_model(order[j]) << ',' << big_model_va(order[j]) << "\r\n";
            for (int j = 0; maker != BigMaker && j < 10; ++j)
                out << maker << ", Series " << (j * 7919) % 1000 << " Tower ," << 150 + 40 * j << "\r\n";
        }
    });
}
ModelPicker& open_picker() {
    equipment_list();
    run->screens.reset(); // each group of cases starts with fresh screens
    ModelPicker& picker = run->screens.modelPicker();
    picker.setCategory(*category_named("server"));
    picker.show();
    return picker;
}

// The text before the first comma of every line, sorted and deduplicated.
std::size_t sorted_makers(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        names.push_back(line.substr(0, line.find(',')));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names.size();
}
void BM_Getmanufs(benchmark::State& state) {
    ModelPicker& picker = open_picker();
    QListWidget* makerList = control<QListWidget>(&picker, "manuf");
    measure(state, "getmanufs", [&] { picker.fillManufacturers(); });
    std::vector<std::string> expected = makers; // sorted ignoring case
    std::stable_sort(expected.begin(), expected.end(),
                     [](auto& a, auto& b) { return strcasecmp(a.c_str(), b.c_str()) < 0; });
    check(makerList->count() == static_cast<int>(expected.size()), "another number of makers");
    for (int row = 0; row < makerList->count(); ++row)
        check(makerList->item(row)->text().toStdString() == expected[static_cast<std::size_t>(row)],
              "manufacturer " + std::to_string(row) + " is out of order");
}
void BM_ModelFill(benchmark::State& state) {
    ModelPicker& picker = open_picker();
    QListWidget* makerList = control<QListWidget>(&picker, "manuf");
    QListWidget* modelList = control<QListWidget>(&picker, "model");
    picker.fillManufacturers();
    const auto found = makerList->findItems(QString::fromStdString(BigMaker), Qt::MatchExactly);
    check(found.size() == 1, "the big manufacturer is not listed once");
    const int big_row = makerList->row(found.first());
    measure(state, "the model fill", [&] {
        state.PauseTiming(); // another maker first, so each fill starts from a short list
        makerList->setCurrentRow(big_row == 0 ? 1 : 0);
        QApplication::processEvents();
        state.ResumeTiming();
        makerList->setCurrentRow(big_row);
    });
    check(modelList->count() == BigModels, "another number of models");
    for (int row : {0, 1, BigModels - 1})
        check(modelList->item(row)->text().toStdString() == big_model(row) &&
                  control<QListWidget>(&picker, "modelva")->item(row)->text().toStdString() ==
                      big_model_va(row),
              "model " + std::to_string(row) + " is out of order or has another VA");
    modelList->setCurrentRow(1);
    picker.addModel(); // the chosen model carries its own VA into the load list
    QListWidget* loads = control<QListWidget>(&run->screens.loadList(), "List2");
    check(loads->item(loads->count() - 1)->text().toStdString() == big_model_va(1),
          "the load list has another VA");
}

// Product file: 10 MB of sections of 30 body lines, the only section of the
// model's family ("BriskPro Corehall") last.
const QString Model = QStringLiteral("Corehall 3000XLI");
const std::string LastHeader = "BriskPro Corehall - on-line UPS for whole computer rooms";
const fs::path& product_file() {
    return data_file("prod230.txt", [](std::ofstream& out) {
        const char* const families[] = {"Korr Personal", "Korr Pro",  "Webline",      "Webline Office",
                                        "PanoPro",       "QN Series", "BriskPro NET", "BriskPro Rackmount"};
        out << "Vellimar UPS product information, generated for speed measurements.\r\n";
        bool last = false;
        for (int number = 1; !last; ++number) {
            last = out.tellp() >= 10'000'000;
            out << std::string(40, '-') << "\r\nCatalogue section " << number << "\r\n";
            out << (last ? LastHeader
                         : families[number % 8] + (" - product family " + std::to_string(number)))
                << "\r\n";
            for (int i = 0; i < 30; ++i)
                out << "Line " << i << " of section " << number
                    << ": battery, interface, outlets and warranty details, 230 V nominal.\r\n";
        }
        out << std::string(40, '-') << "\r\n";
    });
}

void BM_Showinfo(benchmark::State& state) {
    product_file();
    run->screens.reset();
    control<QRadioButton>(&run->screens.loadList(), "Option2")->setChecked(true); // 230 V: prod230.txt
    InfoViewer& viewer = run->screens.infoViewer();
    viewer.show();
    viewer.setModelText(Model);
    measure(state, "showinfo", [&] { viewer.showInfo(); });
    const QString shown = control<QPlainTextEdit>(&viewer, "Text1")->toPlainText();
    check(control<QPlainTextEdit>(&viewer, "Text1")->isVisible() &&
              shown.startsWith(QString::fromStdString(LastHeader)) && shown.count(QLatin1Char('\n')) == 31,
          "the viewer shows another section");
}

// The console output, then each case's median (or single run) to its floor's.
struct Summary : benchmark::ConsoleReporter {
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name == "median")
                ms[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
    }
    void print() {
        // clang-format off
        const struct { const char *measured, *floor; double at_most; } ratios[] = {
            {"BM_Suggest", "BM_ReadTableLines", 1.5}, {"BM_Getmanufs", "BM_ReadSortMakers", 2},
            {"BM_Showinfo", "BM_ReadProductLines", 1.5}, {"BM_Getmanufs", "", 100}, {"BM_ModelFill", "", 100},
            {"BM_VaUpdate", "", 0}};
        // clang-format on
        std::printf("\nSummary (median real time, or the single run's):\n");
        for (const auto& [measured, floor, at_most] : ratios) {
            if (!ms.count(measured) || (*floor && !ms.count(floor)))
                continue; // a case left out by --benchmark_filter
            const double value = *floor ? ms[measured] / ms[floor] : ms[measured];
            std::printf("  %s%s%s = %.3f%s", measured, *floor ? " / " : "", floor, value,
                        *floor ? "" : " ms");
            std::printf("%s\n", at_most <= 0 ? "" : value <= at_most ? " (target met)" : " (target MISSED)");
        }
    }
    std::map<std::string, double> ms;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no window system in the figures
    // The offscreen platform says so on every raise() the viewer asks for.
    static const QtMessageHandler qt_handler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith(QLatin1String("This plugin does not support raise()")))
            qt_handler(type, context, text);
    });
    QApplication app(argc, argv);
    setupApplication(app);
    SelectorRun selectorRun;
    run = &selectorRun;
    FakePlatform platform;
    fakes = &platform;
    std::string pattern = (fs::temp_directory_path() / "vellimar-bench-XXXXXX").string();
    check(::mkdtemp(pattern.data()) != nullptr, "no temporary folder");
    folder = pattern;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.string()));
    // clang-format off
    const std::pair<const char*, void (*)(benchmark::State&)> cases[] = {
        {"BM_ReadTableLines", [](benchmark::State& s) { floor_case(s, runtime_table(), count_lines); }},
        {"BM_Suggest", BM_Suggest}, {"BM_VaUpdate", BM_VaUpdate},
        {"BM_ReadSortMakers", [](benchmark::State& s) { floor_case(s, equipment_list(), sorted_makers); }},
        {"BM_Getmanufs", BM_Getmanufs}, {"BM_ModelFill", BM_ModelFill},
        {"BM_ReadProductLines", [](benchmark::State& s) { floor_case(s, product_file(), count_lines); }},
        {"BM_Showinfo", BM_Showinfo}};
    // clang-format on
    for (const auto& [name, run] : cases)
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond);
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    summary.print();
    benchmark::Shutdown();
    run->screens.reset();
    QDir::setCurrent(previous);
    fs::remove_all(folder);
    return EXIT_SUCCESS;
}
