// The dBASE III driver: a folder of .dbf tables read whole, read-only.
#include "DataTestSupport.h"
#include "support/DosTables.h"

#include "platform/data/Engine.h"

#include <fstream>

namespace {

using dostables::DosTable;

class DbaseFolder : public datatest::DatabaseFolder {
protected:
    std::string TablePath() const { return Folder() + "/MMRPAYER.DBF"; }

    void WritePayers() {
        // clang-format off
        dostables::WriteDosTable(TablePath(), {"PYR_IDTYPE C(1); PAYERNAME1 C(30); PAYER_ZIP C(10)",
                                               {{"1", "ACME \xC3\x89TOILE", "12345"},
                                                {"2", "GONE CO", "99999"},
                                                {"2", "BETA", "12345-6789"}},
                                               {1}});
        // clang-format on
    }

    // The file's bytes after `edit`, written back.
    void EditFile(const std::function<void(std::string&)>& edit) const {
        std::ifstream in(TablePath(), std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        in.close();
        edit(bytes);
        std::ofstream(TablePath(), std::ios::binary | std::ios::trunc) << bytes;
    }

    void ExpectUnreadable() {
        auto dos = data::OpenDatabase(Folder(), false, false, "dBASE III;");
        EXPECT_ENGINE_ERROR(dos->OpenRecordset("Mmrpayer"), data::errUnrecognizedFormat);
    }
};

TEST_F(DbaseFolder, ReadsTheRecordsInOrderWithoutPaddingOrDeletedOnesInUtf8) {
    WritePayers();
    auto dos = data::OpenDatabase(Folder(), false, false, "dBASE III;");
    auto rs = dos->OpenRecordset("mmrPAYER");
    ASSERT_EQ(rs->FieldCount(), 3);
    EXPECT_EQ(rs->Fields(1).Name(), "PAYERNAME1");
    EXPECT_EQ(datatest::Text(rs->Fields("PAYERNAME1").Value()), "ACME \xC3\x89TOILE");
    EXPECT_EQ(datatest::Text(rs->Fields("PAYER_ZIP").Value()), "12345");
    rs->MoveNext();
    EXPECT_EQ(datatest::Text(rs->Fields("PAYERNAME1").Value()), "BETA");
    EXPECT_EQ(datatest::Text(rs->Fields("PAYER_ZIP").Value()), "12345-6789");
    rs->MoveLast();
    EXPECT_EQ(rs->RecordCount(), 2);
}

TEST_F(DbaseFolder, ATableNamingNoCodePageIsReadInTheDosCodePage) {
    DosTable table{"PAYERNAME1 C(30)", {{"JOS\xC3\x89 PE\xC3\x91" "A BAKERY"}}};
    table.codepage = "";
    dostables::WriteDosTable(TablePath(), table);
    auto dos = data::OpenDatabase(Folder(), false, false, "dBASE III;");
    auto rs = dos->OpenRecordset("Mmrpayer");
    EXPECT_EQ(datatest::Text(rs->Fields("PAYERNAME1").Value()), "JOS\xC3\x89 PE\xC3\x91" "A BAKERY");
}

TEST_F(DbaseFolder, NothingIsWritten) {
    WritePayers();
    auto dos = data::OpenDatabase(Folder(), false, false, "dBASE III;");
    auto rs = dos->OpenRecordset("Mmrpayer");
    EXPECT_ENGINE_ERROR(rs->AddNew(), data::errReadOnly);
    EXPECT_ENGINE_ERROR(dos->Execute("DELETE * FROM Mmrpayer"), data::errReadOnly);
}

TEST_F(DbaseFolder, AMissingFolderIsAnInvalidPathAndAMissingTableIsNotFound) {
    EXPECT_ENGINE_ERROR(data::OpenDatabase(Folder() + "/none", false, false, "dBASE III;"), data::errInvalidPath);
    auto dos = data::OpenDatabase(Folder(), false, false, "dBASE III;");
    EXPECT_ENGINE_ERROR(dos->OpenRecordset("Mmrpayee"), data::errTableNotFound);
}

TEST_F(DbaseFolder, MalformedTablesAreAnUnrecognizedFormat) {
    WritePayers();
    std::ofstream(TablePath(), std::ios::trunc).close();
    ExpectUnreadable();

    WritePayers();
    EditFile([](std::string& bytes) { bytes.resize(40); });
    ExpectUnreadable();

    WritePayers();
    EditFile([](std::string& bytes) { bytes[10] = static_cast<char>(bytes[10] + 3); });
    ExpectUnreadable();

    WritePayers();
    EditFile([](std::string& bytes) { bytes.resize(bytes.size() - 20); });
    ExpectUnreadable();
}

} // namespace
