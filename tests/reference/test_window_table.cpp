// The window shows, for every typed input of the reference table, exactly the
// texts recorded there.
#include "table_file.h"
#include "u_H2O_ORV.h"
#include "window_calls.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(WindowTable, EveryEntryIsReproducedExactly) {
    const std::vector<TableEntry> entries = read_table(WINDOW_TABLE);
    ASSERT_GT(entries.size(), 100u) << "cannot read " << WINDOW_TABLE;
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TForm1 form;
    form.show();
    int differing = 0;
    for (const TableEntry& entry : entries) {
        ASSERT_EQ(entry.inputs.size(), 3u) << "line " << entry.line;
        const std::string result =
            calculate_in_window(form, QString::fromStdString(entry.inputs[0]), QString::fromStdString(entry.inputs[1]),
                                QString::fromStdString(entry.inputs[2]))
                .toStdString();
        if (result != entry.result && ++differing <= 50)
            ADD_FAILURE() << "line " << entry.line << ": " << entry_key(entry) << "\n  recorded " << entry.result
                          << "\n  now      " << result;
    }
    QLocale::setDefault(previous);
    EXPECT_EQ(differing, 0) << "entries differ from " << WINDOW_TABLE
                            << "; after a deliberate change regenerate them with make_window_table";
}
