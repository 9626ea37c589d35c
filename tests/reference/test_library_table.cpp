// Every public library function returns, at every state of the reference
// table, exactly the result recorded there: the same doubles, bit for bit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "library_calls.h"
#include "table_file.h"

TEST(LibraryTable, EveryEntryIsReproducedExactly) {
    const std::vector<TableEntry> entries = read_table(LIBRARY_TABLE);
    ASSERT_GT(entries.size(), 1000u) << "cannot read " << LIBRARY_TABLE;
    int differing = 0;
    for (const TableEntry& entry : entries) {
        std::vector<double> args;
        for (std::size_t i = 1; i < entry.inputs.size(); ++i)
            args.push_back(std::strtod(entry.inputs[i].c_str(), nullptr));
        const std::string result = call_library(entry.inputs[0], args);
        if (result != entry.result && ++differing <= 50)
            ADD_FAILURE() << "line " << entry.line << ": " << entry_key(entry) << "\n  recorded " << entry.result
                          << "\n  now      " << result;
    }
    EXPECT_EQ(differing, 0) << "entries differ from " << LIBRARY_TABLE
                            << "; after a deliberate change regenerate them with make_library_table";
}
