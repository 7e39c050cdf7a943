#pragma once
// Internal: a recordset's bookmark, the text that names a row by its rowid
// and its key as read, so that it never leads to a row that took the rowid
// since (SQLite gives a deleted row's rowid to the next row added).

#include "platform/data/RowSource.h"

#include <optional>
#include <string>
#include <string_view>

namespace data {

std::string BookmarkOf(const Row& row);
// The rowid and key a bookmark names (no values); nothing when the text is
// no bookmark.
std::optional<Row> RowOfBookmark(std::string_view bookmark);

} // namespace data
