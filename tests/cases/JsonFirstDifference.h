#pragma once

#include <QJsonValue>
#include <QString>
#include <optional>

// Compares an expected JSON value with an actual one, key by key as far as the expected one
// goes (keys only the actual one has are not looked at). Numbers compare bit for bit as
// doubles, so an integer must match exactly and a double to the last bit.
namespace JsonFirstDifference {
struct Difference {
    QString path; // "st1.line4a"
    QString expected;
    QString actual;
};

std::optional<Difference> find(const QJsonValue& expected, const QJsonValue& actual,
                               const QString& path = {});
} // namespace JsonFirstDifference
