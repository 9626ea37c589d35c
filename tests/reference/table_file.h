// Reading a reference table: one entry a line, fields separated by tabs, the
// last field the recorded result; lines starting with '#' are comments.
#pragma once

#include <fstream>
#include <string>
#include <vector>

struct TableEntry {
    int line;
    std::vector<std::string> inputs;  // every field but the result
    std::string result;
};

inline std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The entries of the table file at `path`; none when it cannot be read.
inline std::vector<TableEntry> read_table(const std::string& path) {
    std::vector<TableEntry> entries;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields = split_tabs(line);
        std::string result = fields.back();
        fields.pop_back();
        entries.push_back({number, fields, result});
    }
    return entries;
}

// "name<TAB>arguments" of an entry, for naming it in a failure.
inline std::string entry_key(const TableEntry& entry) {
    std::string key;
    for (const std::string& field : entry.inputs) key += (key.empty() ? "" : "\t") + field;
    return key;
}
