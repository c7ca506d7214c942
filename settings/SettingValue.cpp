#include "settings/SettingValue.h"

#include "settings/SettingsStore.h"

#include <type_traits>

template <typename T>
T SettingValue<T>::get() const {
    if constexpr (std::is_same_v<T, int>) {
        return SettingsStore::readInt(section_, key_, default_);
    } else {
        const QVariant stored = SettingsStore::read(section_, key_);
        return stored.isValid() ? stored.toString() : default_;
    }
}

template <typename T>
void SettingValue<T>::set(const T& value) {
    SettingsStore::write(section_, key_, value);
}

template <typename T>
bool SettingValue<T>::isStored() const {
    return SettingsStore::contains(section_, key_);
}

template class SettingValue<int>;
template class SettingValue<QString>;
