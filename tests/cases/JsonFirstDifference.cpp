#include "JsonFirstDifference.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <bit>
#include <cstdint>

namespace {
using JsonFirstDifference::Difference;

QString shown(const QJsonValue& value) {
    if (value.isUndefined())
        return QStringLiteral("(missing)");
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

QString childPath(const QString& path, const QString& key) {
    return path.isEmpty() ? key : path + u'.' + key;
}

bool sameScalar(const QJsonValue& expected, const QJsonValue& actual) {
    if (expected.isDouble() && actual.isDouble())
        return std::bit_cast<std::uint64_t>(expected.toDouble()) ==
               std::bit_cast<std::uint64_t>(actual.toDouble());
    return expected == actual;
}

std::optional<Difference> findInObject(const QJsonObject& expected, const QJsonObject& actual,
                                       const QString& path) {
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (auto difference = JsonFirstDifference::find(it.value(), actual.value(it.key()),
                                                        childPath(path, it.key())))
            return difference;
    }
    return std::nullopt;
}

std::optional<Difference> findInArray(const QJsonArray& expected, const QJsonArray& actual,
                                      const QString& path) {
    if (expected.size() != actual.size())
        return Difference{path + QStringLiteral(".length"), QString::number(expected.size()),
                          QString::number(actual.size())};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (auto difference = JsonFirstDifference::find(expected[i], actual[i],
                                                        childPath(path, QString::number(i))))
            return difference;
    }
    return std::nullopt;
}
} // namespace

std::optional<Difference> JsonFirstDifference::find(const QJsonValue& expected,
                                                    const QJsonValue& actual, const QString& path) {
    if (expected.isObject() && actual.isObject())
        return findInObject(expected.toObject(), actual.toObject(), path);
    if (expected.isArray() && actual.isArray())
        return findInArray(expected.toArray(), actual.toArray(), path);
    if (sameScalar(expected, actual))
        return std::nullopt;
    return Difference{path, shown(expected), shown(actual)};
}
