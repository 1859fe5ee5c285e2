// The runtime tables shipped with the selector are well-formed and give
// exactly one record per UPS class for every total a suggestion accepts.
#include <gtest/gtest.h>

#include "common/textfile.h"
#include "sizing/runtime_table.h"

using namespace vellimar;

TEST(ShippedRuntimeTables, EveryTotalUpTo5000HasOneRecordPerClass) {
    for (const char* name : {"120.txt", "230.txt"}) {
        SCOPED_TRACE(name);
        std::string content;
        std::string error;
        ASSERT_TRUE(read_data_file(std::string(VELLIMAR_DATA_DIR) + "/" + name, content, error)) << error;
        std::vector<std::string> records;
        for (int total = 1; total <= 5000; ++total) {
            ASSERT_TRUE(match_records(content, name, total, records, error)) << error;
            ASSERT_EQ(records.size(), 7u) << "total " << total;
        }
    }
}
