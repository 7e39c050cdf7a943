// Creates TV941.MDB and db1099_ID.mdb in the folder given, each only when no
// file of that name is there yet, so a rebuild never touches the user's data.

#include "platform/basic/RuntimeError.h"
#include "platform/data/Schema.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: makedb FOLDER\n";
        return 2;
    }
    try {
        for (const auto& name : data::MakeEmptyDatabases(argv[1])) std::cout << "created " << name << "\n";
    } catch (const basic::RuntimeError& error) {
        std::cerr << "makedb: " << error.Number() << " " << error.Description() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "makedb: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
