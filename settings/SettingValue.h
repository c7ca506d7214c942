#pragma once

#include <QString>

// One setting: a key of a section of the settings store with its default. It holds no copy of
// the value: reading it reads the store and assigning to it writes the store at once, so a
// change made anywhere (the Options dialog, say) is what every later reader gets, in the same
// run and after a crash alike. T is int or QString.
template <typename T>
class SettingValue {
public:
    SettingValue(QString section, QString key, T defaultValue = T())
        : section_(std::move(section)), key_(std::move(key)), default_(std::move(defaultValue)) {}

    // The stored value; the default when the key is absent (or, for a number, unreadable).
    T get() const;
    void set(const T& value);
    // Whether the store holds the key, the default not counting.
    bool isStored() const;

    operator T() const { return get(); }
    SettingValue& operator=(const T& value) {
        set(value);
        return *this;
    }

    const QString& key() const { return key_; }

private:
    QString section_;
    QString key_;
    T default_;
};

extern template class SettingValue<int>;
extern template class SettingValue<QString>;
