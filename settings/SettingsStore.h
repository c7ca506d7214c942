#pragma once

#include <QString>
#include <QVariant>

// The settings store of the program: QSettings("Orlenfield", "Vantrobe"), one section per group
// of settings, each key named after its section ("Options.ClientDataPath"). Every read looks
// at the store and every write reaches it at once, so all readers see the same values.
namespace SettingsStore {
inline constexpr const char* kOrganization = "Orlenfield";
inline constexpr const char* kApplication = "Vantrobe";

// The stored value, or an invalid one when the key is absent.
QVariant read(const QString& section, const QString& key);
void write(const QString& section, const QString& key, const QVariant& value);
bool contains(const QString& section, const QString& key);

// An integer; the default when absent or unreadable.
int readInt(const QString& section, const QString& key, int defaultValue);
void writeInt(const QString& section, const QString& key, int value);
} // namespace SettingsStore
