// libFuzzer target: the dBASE III table source. Whatever the bytes of a table
// file, opening it through the dBASE driver and walking its rows either
// works, every row having a value for every field, or is refused with the
// engine's error; it never crashes, reads out of bounds or hangs.
#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"
#include "support/RunFolder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RunFolder table("tv-fuzz-dbase");
    {
        std::ofstream file(table.Path() / "FUZZ.DBF", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        auto folder = data::OpenDatabase(table.Path().string(), false, false, "dBASE III;");
        auto rows = folder->OpenRecordset("fuzz");
        const int fields = rows->FieldCount();
        long walked = 0;
        while (!rows->Eof()) {
            for (int f = 0; f < fields; ++f) rows->Fields(f).Value();
            rows->MoveNext();
            ++walked;
        }
        if (walked != rows->RecordCount()) std::abort();
    } catch (const basic::RuntimeError&) {
        // refused with the engine's error: what a user is told
    }
    return 0;
}
