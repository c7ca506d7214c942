#include "settings/SettingsBinder.h"

#include <QSettings>

namespace {
QSettings openStore() {
    return QSettings(SettingsStore::kOrganization, SettingsStore::kApplication);
}

QString fullKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}
} // namespace

int SettingsStore::readInt(const QString& section, const QString& key, int defaultValue) {
    const QVariant stored = openStore().value(fullKey(section, key));
    bool ok = false;
    const int value = stored.toInt(&ok);
    return stored.isValid() && ok ? value : defaultValue;
}

void SettingsStore::writeInt(const QString& section, const QString& key, int value) {
    QSettings store = openStore();
    store.setValue(fullKey(section, key), value);
    store.sync();
}

SettingsBinder::SettingsBinder(QString section) : section_(std::move(section)) {}

SettingsBinder::~SettingsBinder() {
    writeBack();
}

void SettingsBinder::bindInt(int& variable, const QString& key, int defaultValue) {
    variable = SettingsStore::readInt(section_, key, defaultValue);
    bindings_.push_back({key, &variable});
}

void SettingsBinder::bindText(QString& variable, const QString& key, const QString& defaultValue) {
    const QVariant stored = openStore().value(fullKey(section_, key));
    variable = stored.isValid() ? stored.toString() : defaultValue;
    bindings_.push_back({key, &variable});
}

void SettingsBinder::writeBack() const {
    QSettings store = openStore();
    for (const Binding& binding : bindings_) {
        if (const auto* number = std::get_if<int*>(&binding.variable))
            store.setValue(fullKey(section_, binding.key), **number);
        else
            store.setValue(fullKey(section_, binding.key), *std::get<QString*>(binding.variable));
    }
    store.sync();
}
