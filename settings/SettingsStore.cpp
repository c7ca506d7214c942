#include "settings/SettingsStore.h"

#include <QSettings>

namespace {
QSettings openStore() {
    return QSettings(SettingsStore::kOrganization, SettingsStore::kApplication);
}

QString fullKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}
} // namespace

namespace SettingsStore {

QVariant read(const QString& section, const QString& key) {
    return openStore().value(fullKey(section, key));
}

void write(const QString& section, const QString& key, const QVariant& value) {
    QSettings store = openStore();
    store.setValue(fullKey(section, key), value);
    store.sync();
}

bool contains(const QString& section, const QString& key) {
    return openStore().contains(fullKey(section, key));
}

int readInt(const QString& section, const QString& key, int defaultValue) {
    const QVariant stored = read(section, key);
    bool ok = false;
    const int value = stored.toInt(&ok);
    return stored.isValid() && ok ? value : defaultValue;
}

void writeInt(const QString& section, const QString& key, int value) {
    write(section, key, value);
}

} // namespace SettingsStore
