#pragma once
#include "platform/data/Database.h"

#include <string>

// A database and one of its table names, kept together for a backup step.
// The main menu hands it the database its load opened; holding the reference
// keeps that database open until the descriptor goes.
class clsBackupTable {
public:
    const data::DatabasePtr& Database() const { return database_; }
    void SetDatabase(data::DatabasePtr database) { database_ = std::move(database); }

    const std::string& TableName() const { return tableName_; }
    void SetTableName(const std::string& tableName) { tableName_ = tableName; }

    // The backup itself is done by the backup screen; this step has nothing to do.
    void DoBackup() {}

private:
    data::DatabasePtr database_;
    std::string tableName_;
};
