#include "app/GlobalDoc.h"

#include "clients/ClientStore.h"
#include "forms/filling/FormSet.h"
#include "settings/OptionsSettings.h"

CGlobalDoc::LoadResult CGlobalDoc::loadSharedData(const QString& taxTableFile) {
    if (loadFormImages(forms()) != 0)
        return LoadResult::FormPagesFailed;
    if (!taxTable_.load(taxTableFile))
        return LoadResult::TaxTableFailed;
    bringFormsToBlankState(forms(), fillContext());
    return LoadResult::Loaded;
}

FillContext CGlobalDoc::fillContext() const {
    return options_ ? FillContext::fromSettings(*options_, preparerInfo_) : FillContext();
}

const QString& CGlobalDoc::refreshClientDataFolder() {
    if (options_)
        clientDataFolder_ = options_->clientDataPath;
    return clientDataFolder_;
}

int CGlobalDoc::newClientFileName(QString& fileName) {
    fileName = ClientStore::newClientFileName(refreshClientDataFolder());
    return 0;
}

int CGlobalDoc::saveClient(ClientInfo& client, const QString& path) {
    return ClientStore::saveClient(client, path, refreshClientDataFolder());
}
