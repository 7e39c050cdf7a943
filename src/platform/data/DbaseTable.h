#pragma once
// Internal: one dBASE III table file read whole, through shapelib's DBF API.
// The texts are UTF-8, their trailing-blank padding removed; deleted
// records are left out, as the engine's dBASE driver hides them.

#include <string>
#include <vector>

namespace data {

struct DbaseTable {
    std::vector<std::string> fieldNames;
    std::vector<std::vector<std::string>> records;
};

// Reads the file at a native path. A file that is not a whole, well-formed
// dBASE III table (a header cut short, a record length that disagrees with
// the fields, a file that ends inside a record, an empty file) raises 3343
// with what is wrong; nothing is read half-way.
DbaseTable ReadDbaseTable(const std::string& nativePath);

} // namespace data
