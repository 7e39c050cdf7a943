#include "platform/data/Errors.h"

#include "platform/basic/RuntimeError.h"

#include <map>

namespace data {

namespace {

const std::map<int, const char*>& Descriptions() {
    static const std::map<int, const char*> table = {
        {3000, "Reserved error; the engine could not complete the operation."},
        {3001, "Invalid argument."},
        {3010, "Table already exists."},
        {3020, "Update or CancelUpdate without AddNew or Edit."},
        {3021, "No current record."},
        {3022, "The changes were not made because they would create duplicate values in the index or primary key."},
        {3024, "Could not find file."},
        {3026, "Not enough space on disk."},
        {3027, "Cannot update. Database or object is read-only."},
        {3043, "Disk or network error."},
        {3044, "Not a valid path."},
        {3050, "Could not lock file."},
        {3058, "Index or primary key cannot contain a Null value."},
        {3061, "Unknown name in the statement."},
        {3065, "Cannot execute a select query."},
        {3075, "Syntax error in query expression."},
        {3078, "The engine cannot find the input table or query."},
        {3127, "The INSERT INTO statement contains an unknown field name."},
        {3159, "Not a valid bookmark."},
        {3163, "The field is too small to accept the amount of data you attempted to add. Try inserting or pasting "
               "less data."},
        {3167, "Record is deleted."},
        {3170, "Could not find installable ISAM."},
        {3204, "Database already exists."},
        {3260, "Couldn't update; currently locked by another user."},
        {3262, "Couldn't lock table; currently in use by another user."},
        {3265, "Item not found in this collection."},
        {3343, "Unrecognized database format."},
        {3420, "Object invalid or no longer set."},
        {3421, "Data type conversion error."},
        {3426, "This action was cancelled by an associated object."},
    };
    return table;
}

} // namespace

std::string EngineDescription(int number) {
    auto it = Descriptions().find(number);
    return it == Descriptions().end() ? basic::DescriptionOf(number) : std::string(it->second);
}

void RaiseEngineError(int number, const std::string& source, const std::string& detail) {
    std::string description = EngineDescription(number);
    if (!detail.empty()) description += " (" + detail + ")";
    basic::Raise(number, source, description);
}

} // namespace data
