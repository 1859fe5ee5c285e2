// The runtime table matcher and record splitter on any table, and the data
// checker's view of the same table.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "datacheck/datacheck.h"
#include "fuzz_check.h"
#include "core/runtime_table.h"

using namespace vellimar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first two bytes choose the total looked up, the rest is the table.
    if (size < 2)
        return 0;
    const double total = (data[0] << 8 | data[1]) % 5200;
    const std::string_view table(reinterpret_cast<const char*>(data) + 2, size - 2);

    std::vector<std::string> records;
    std::string error;
    if (match_records(table, "fuzz.txt", total, records, error)) {
        fuzz::require(records.size() <= MaxMatchingRecords, "no more records than held");
        for (const std::string& record : records) {
            fuzz::require(fuzz::valid_utf8(record), "records are UTF-8");
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
        fuzz::require(error.find("\"fuzz.txt\"") != std::string::npos, "the error names the file");
        fuzz::require(fuzz::valid_utf8(error), "the error is UTF-8");
    }

    for (const auto& finding : datacheck::check_runtime_table(table, "120.txt", table, "prod120.txt"))
        fuzz::require(fuzz::valid_utf8(datacheck::format_finding(finding)), "findings are UTF-8");
    return 0;
}
