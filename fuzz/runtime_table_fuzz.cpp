// The runtime table matcher and record splitter on any table, and the data
// checker's view of the same table.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/runtime_table.h"
#include "core/textfile.h"
#include "datacheck/datacheck.h"
#include "fuzz_check.h"

using namespace vellimar;

namespace {

// In the working directory, which the runner removes afterwards.
const std::string& scratch_path() {
    static const std::string path = "runtime_table_fuzz_" + std::to_string(::getpid()) + ".txt";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first two bytes choose the total looked up, the rest is the table.
    if (size < 2)
        return 0;
    const double total = (data[0] << 8 | data[1]) % 5200;
    const std::string_view table(reinterpret_cast<const char*>(data) + 2, size - 2);

    {
        std::FILE* file = std::fopen(scratch_path().c_str(), "wb");
        fuzz::require(file != nullptr, "the scratch file opens");
        fuzz::require(std::fwrite(table.data(), 1, table.size(), file) == table.size(),
                      "the file is written");
        std::fclose(file);
    }
    std::vector<std::string> records;
    std::string error;
    if (matching_records(scratch_path(), total, records, error)) {
        fuzz::require(records.size() <= MaxMatchingRecords, "no more records than held");
        for (const std::string& record : records) {
            fuzz::require(valid_utf8(record), "records are UTF-8");
            const RecordFields fields = split_record(record);
            std::size_t length = 0;
            for (const std::string& field : fields)
                length += field.size();
            fuzz::require(length <= record.size(), "fields are parts of the record");
            double lower = 0, upper = 0;
            std::string reason;
            fuzz::require(read_load_band(record, lower, upper, reason) && lower <= total && total <= upper,
                          "a matching record's band holds the total");
        }
    } else {
        fuzz::require(records.empty(), "a malformed table gives no records");
        fuzz::require(error.find(in_quotes(scratch_path())) != std::string::npos, "the error names the file");
        fuzz::require(valid_utf8(error), "the error is UTF-8");
    }

    for (const auto& finding : datacheck::check_runtime_table(table, "120.txt", table, "prod120.txt"))
        fuzz::require(valid_utf8(datacheck::format_finding(finding)), "findings are UTF-8");
    return 0;
}
