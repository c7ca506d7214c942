#pragma once

#include "clients/ClientRecord.h"
#include "forms/filling/FillContext.h"
#include "settings/PreparerInfoSettings.h"
#include "taxtables/TaxTable.h"

#include <QString>

class OptionsSettings;

// The application document: the shared, read-mostly state every part of the program reads.
// It lives from start-up to exit, owns the sales tax table and the preparer's own details,
// and hands out client file names in the client data folder. It is never saved as a document.
class CGlobalDoc {
public:
    enum class LoadResult { Loaded, FormPagesFailed, TaxTableFailed };

    // Loads the form page images and the sales tax table from `taxTableFile` and brings the
    // forms into their blank state. Anything but Loaded means the program must not start.
    LoadResult loadSharedData(const QString& taxTableFile);

    const TaxTable& taxTable() const { return taxTable_; }
    // What the form fills print from the options and the preparer's details.
    FillContext fillContext() const;
    PreparerInfoSettings& preparerInfo() { return preparerInfo_; }

    // The main window's options, where the client data folder is taken from.
    void setOptions(const OptionsSettings* options) { options_ = options; }
    // The client data folder as last taken from the options (ends with '/').
    const QString& clientDataFolder() const { return clientDataFolder_; }

    // Fills `fileName` with a new client file path in the client data folder, claimed by its
    // new empty file (see ClientStore::newClientFileName); returns 0.
    int newClientFileName(QString& fileName);
    // Writes the client to `path`, or to a new client file name when `path` is empty; 0 on
    // success (the client takes the path), otherwise the write's result.
    int saveClient(ClientInfo& client, const QString& path);

private:
    const QString& refreshClientDataFolder();

    TaxTable taxTable_;
    PreparerInfoSettings preparerInfo_;
    const OptionsSettings* options_ = nullptr;
    QString clientDataFolder_;
};
