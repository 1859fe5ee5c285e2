#pragma once
// Large but well-formed data files for the speed measurements, in the same
// formats as data/ (CR LF lines). Standard library only.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vellimar::bench {

// A fresh directory under the system's temporary directory; it goes, with
// everything in it, when this object goes or remove() is called.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void remove();

  private:
    std::filesystem::path path_;
};

// A runtime table of `bands` bands of seven records each, bands "b-b" for
// b = 1 .. bands, the seven records of band `total` written last. Returns
// the number of lines.
std::size_t write_runtime_table(const std::filesystem::path& file, int bands, int total);

// The text the table above holds for UPS class `cls` of band `band` in
// field `field` (1 to 7).
std::string table_field(int band, int cls, int field);

struct EquipmentList {
    std::vector<std::string> makers; // one per run of lines, in file order
    std::size_t lines = 0;
};

// `small_makers` manufacturers with `models_each` models each, and
// `big_maker` with `big_models` models written among them. Maker names and
// model names come in mixed letter case and in no particular order.
EquipmentList write_equipment_list(const std::filesystem::path& file, int small_makers, int models_each,
                                   const std::string& big_maker, int big_models);

// Model i (0 based) of the big maker as the picker shows it, and its VA text.
std::string big_model(int i);
std::string big_model_va(int i);

// A product information file of about `bytes` bytes: sections of other
// families first, then one whose header line is `last_header`. Returns the
// lines of that section as the viewer shows them: header, then body.
std::vector<std::string> write_product_file(const std::filesystem::path& file, std::size_t bytes,
                                            const std::string& last_header);

} // namespace vellimar::bench
