// showinfo on a 10 MB product information file whose matching section is
// the last one, next to only reading the file's lines.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "app/registry.h"
#include "bench/floors.h"
#include "bench/generator.h"
#include "bench/harness.h"
#include "core/product_info.h"
#include "screens/info_viewer.h"
#include "screens/load_list_screen.h"

namespace vellimar::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t ProductBytes = 10'000'000;
// A Corehall model belongs to the family "BriskPro Corehall".
const QString Model = QStringLiteral("Corehall 3000XLI");
const std::string LastHeader = "BriskPro Corehall - on-line UPS for whole computer rooms";

std::vector<std::string> last_section;
std::size_t product_lines = 0;

fs::path product_path() {
    return data_dir() / "prod230.txt";
}

void BM_ReadProductLines(benchmark::State& state) {
    LinesRead read;
    for (auto _ : state) {
        read = read_lines(product_path());
        benchmark::DoNotOptimize(read);
    }
    check(read.lines == product_lines, "the product file has " + std::to_string(read.lines) + " lines");
}
BENCHMARK(BM_ReadProductLines)->Unit(benchmark::kMillisecond);

void BM_ReadProductBytes(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = read_bytes(product_path());
        benchmark::DoNotOptimize(bytes);
    }
    check(bytes == fs::file_size(product_path()), "the product file was not read whole");
}
BENCHMARK(BM_ReadProductBytes)->Unit(benchmark::kMillisecond);

// The reader alone, without the screen: how much of showinfo is Qt's.
void BM_ReadProductSection(benchmark::State& state) {
    ProductSection section;
    for (auto _ : state) {
        section = read_product_section(product_path().string(), family_key(Model.toStdString()));
        benchmark::DoNotOptimize(section.text.data());
    }
    check(section.ok && section.text.rfind(LastHeader, 0) == 0, "the reader found another section");
}
BENCHMARK(BM_ReadProductSection)->Unit(benchmark::kMillisecond);

void BM_Showinfo(benchmark::State& state) {
    registry().loadList().volts230Option->setChecked(true); // 230 V: prod230.txt
    InfoViewer& viewer = registry().infoViewer();
    viewer.show();
    viewer.setModelText(Model);

    for (auto _ : state) {
        viewer.showInfo();
        QApplication::processEvents();
    }

    check_no_message("showinfo");
    check(registry().exists("Form5") && &registry().infoViewer() == &viewer && viewer.infoText->isVisible(),
          "the viewer is not shown");
    std::string expected;
    for (const std::string& line : last_section)
        expected += line + "\n";
    check(viewer.infoText->toPlainText().toStdString() == expected, "the viewer shows another section");
}
BENCHMARK(BM_Showinfo)->Unit(benchmark::kMillisecond);

// Qt's share alone: one repaint of the maximized viewer (with the text the
// case before left in it), no file read.
void BM_RepaintViewer(benchmark::State& state) {
    InfoViewer& viewer = registry().infoViewer();
    viewer.show();
    QApplication::processEvents();
    for (auto _ : state) {
        viewer.update();
        QApplication::processEvents();
    }
    check_no_message("the repaint");
}
BENCHMARK(BM_RepaintViewer)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vellimar::bench

int main(int argc, char** argv) {
    using namespace vellimar::bench;
    return run_benchmarks(argc, argv,
                          [] {
                              last_section = write_product_file(product_path(), ProductBytes, LastHeader);
                              product_lines = read_lines(product_path()).lines;
                              std::printf("product file prod230.txt: %zu lines, %.1f MB\n", product_lines,
                                          static_cast<double>(fs::file_size(product_path())) / 1e6);
                          },
                          {{"BM_Showinfo", "BM_ReadProductLines", 1.5},
                           {"BM_Showinfo", "BM_ReadProductBytes", 0},
                           {"BM_ReadProductSection", "BM_ReadProductLines", 0},
                           {"BM_RepaintViewer", "BM_ReadProductLines", 0}},
                          {});
}
