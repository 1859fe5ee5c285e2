#include "bench/generator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace vellimar::bench {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = fs::temp_directory_path() / ("vellimar-bench-" + std::to_string(::getpid()) +
                                                          "-" + std::to_string(entropy()));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no fresh temporary directory could be made");
}

TempDir::~TempDir() {
    remove();
}

void TempDir::remove() {
    if (path_.empty())
        return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    path_.clear();
}

namespace {

constexpr const char* LineEnd = "\r\n";

// One product family per UPS class, as in the shipped tables.
constexpr std::array<const char*, 7> ClassFamilies = {
    "Korr Personal", "Korr Pro", "Korr Webline", "Brisk", "Brisk RM", "PanoPro", "Corehall",
};
// What the model of each runtime adds to the family and band.
constexpr std::array<const char*, 6> RuntimeSuffixes = {
    "", " XL", " + 1 pack", " + 2 packs", " + 4 packs", " + 8 packs",
};

std::ofstream open_for_writing(const fs::path& file) {
    std::ofstream out(file, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    out.exceptions(std::ios::badbit | std::ios::failbit);
    return out;
}

void write_band(std::ostream& out, int band) {
    const std::string bounds = std::to_string(band) + "-" + std::to_string(band);
    for (int cls = 0; cls < static_cast<int>(ClassFamilies.size()); ++cls) {
        out << bounds;
        for (int field = 1; field <= 7; ++field)
            out << '\t' << table_field(band, cls, field);
        out << LineEnd;
    }
}

std::string five_digits(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "%05d", i);
    return text;
}

} // namespace

std::string table_field(int band, int cls, int field) {
    if (field == 1)
        return "Pick a listed runtime for band " + std::to_string(band);
    return std::string(ClassFamilies.at(static_cast<std::size_t>(cls))) + " " + std::to_string(band) + "I" +
           RuntimeSuffixes.at(static_cast<std::size_t>(field - 2));
}

std::size_t write_runtime_table(const fs::path& file, int bands, int total) {
    std::ofstream out = open_for_writing(file);
    for (int band = 1; band <= bands; ++band) {
        if (band != total)
            write_band(out, band);
    }
    write_band(out, total);
    return static_cast<std::size_t>(bands) * ClassFamilies.size();
}

std::string big_model(int i) {
    // Every other model in lower case: the picker sorts ignoring case.
    return (i % 2 == 0 ? "ZX-" : "zx-") + five_digits(i) + " Rack";
}

std::string big_model_va(int i) {
    return std::to_string(100 + (i * 37) % 4900);
}

EquipmentList write_equipment_list(const fs::path& file, int small_makers, int models_each,
                                   const std::string& big_maker, int big_models) {
    constexpr std::array<const char*, 12> Syllables = {"Kor", "van", "Tel", "ix",  "Mar", "on",
                                                       "Sta", "dra", "Vel", "ent", "Qu",  "ara"};
    constexpr std::array<const char*, 4> Kinds = {"Systems", "Networks", "Computing", "Devices"};
    std::mt19937 random(20240601);
    EquipmentList list;
    for (int i = 0; i < small_makers; ++i) {
        std::string name = std::string(Syllables[random() % Syllables.size()]) +
                           Syllables[random() % Syllables.size()] + " " + Kinds[i % Kinds.size()] + " " +
                           std::to_string(i);
        if (i % 5 == 0)
            name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        list.makers.push_back(name);
    }
    std::shuffle(list.makers.begin(), list.makers.end(), random);
    list.makers.insert(list.makers.begin() + static_cast<std::ptrdiff_t>(list.makers.size() / 2), big_maker);

    std::vector<int> big_order(static_cast<std::size_t>(big_models));
    for (int i = 0; i < big_models; ++i)
        big_order[static_cast<std::size_t>(i)] = i;
    std::shuffle(big_order.begin(), big_order.end(), random);

    std::ofstream out = open_for_writing(file);
    for (const std::string& maker : list.makers) {
        if (maker == big_maker) {
            for (int i : big_order)
                out << maker << ',' << big_model(i) << ',' << big_model_va(i) << LineEnd;
            list.lines += big_order.size();
            continue;
        }
        for (int j = 0; j < models_each; ++j)
            out << maker << ", Series " << (j * 7919) % 1000 << " Tower ," << 150 + 40 * j << LineEnd;
        list.lines += static_cast<std::size_t>(models_each);
    }
    return list;
}

std::vector<std::string> write_product_file(const fs::path& file, std::size_t bytes,
                                            const std::string& last_header) {
    // Families whose header lines do not contain the last section's family.
    constexpr std::array<const char*, 8> Families = {
        "Korr Personal", "Korr Pro",  "Webline",      "Webline Office",
        "PanoPro",       "QN Series", "BriskPro NET", "BriskPro Rackmount",
    };
    const std::string separator(40, '-');
    std::ofstream out = open_for_writing(file);
    out << "Vellimar UPS product information, generated for speed measurements." << LineEnd;
    auto write_section = [&](const std::string& header, int number, int body_lines) {
        std::vector<std::string> lines{header};
        for (int i = 0; i < body_lines; ++i)
            lines.push_back("Line " + std::to_string(i) + " of section " + std::to_string(number) +
                            ": battery, interface, outlets and warranty details, 230 V nominal.");
        out << separator << LineEnd << "Catalogue section " << number << LineEnd;
        for (const std::string& line : lines)
            out << line << LineEnd;
        return lines;
    };
    int number = 1;
    while (static_cast<std::size_t>(out.tellp()) < bytes) {
        const char* family = Families[static_cast<std::size_t>(number) % Families.size()];
        write_section(std::string(family) + " - product family " + std::to_string(number), number, 30);
        ++number;
    }
    std::vector<std::string> last = write_section(last_header, number, 30);
    out << separator << LineEnd;
    return last;
}

} // namespace vellimar::bench
