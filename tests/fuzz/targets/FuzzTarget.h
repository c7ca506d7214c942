#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <span>

// One fuzz target: a reader of the program fed arbitrary bytes. The libFuzzer executables and
// the replay test call the same entry function, so an input that broke a fuzzer breaks the
// replay test in the same way.
struct FuzzTarget {
    // The folder name of the target's regression inputs, and the fuzzer's name with '-'
    // turned into '_' and "_fuzzer" added.
    const char* name;
    void (*run)(const QByteArray& input);
    // Seed files, folders of seeds, or folder/*.suffix, relative to the source tree.
    QStringList seeds;
};

namespace FuzzTargets {
// Every target, in a fixed order.
std::span<const FuzzTarget> all();
// The target of that name, or none.
const FuzzTarget* find(const QString& name);
} // namespace FuzzTargets
