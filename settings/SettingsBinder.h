#pragma once

#include <QString>
#include <variant>
#include <vector>

// Ties program variables to the keys of one section of the per-user settings store. Binding
// reads the stored value (or the default when absent or unreadable) into the variable at once;
// destroying the binder writes every bound variable back, in the order of binding.
class SettingsBinder {
public:
    explicit SettingsBinder(QString section);
    ~SettingsBinder();
    SettingsBinder(const SettingsBinder&) = delete;
    SettingsBinder& operator=(const SettingsBinder&) = delete;

    void bindInt(int& variable, const QString& key, int defaultValue);
    void bindText(QString& variable, const QString& key, const QString& defaultValue = {});

    // Writes every bound variable now (the destructor does the same).
    void writeBack() const;

private:
    struct Binding {
        QString key;
        std::variant<int*, QString*> variable;
    };
    QString section_;
    std::vector<Binding> bindings_;
};

// The settings store of the program: QSettings("Orlenfield", "Vantrobe").
namespace SettingsStore {
inline constexpr const char* kOrganization = "Orlenfield";
inline constexpr const char* kApplication = "Vantrobe";
int readInt(const QString& section, const QString& key, int defaultValue);
void writeInt(const QString& section, const QString& key, int value);
} // namespace SettingsStore
