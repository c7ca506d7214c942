#include "JsonSchemaCheck.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <cmath>

namespace {
const QStringList kKnownKeywords = {
    QStringLiteral("$schema"),  QStringLiteral("$id"),
    QStringLiteral("$defs"),    QStringLiteral("$ref"),
    QStringLiteral("title"),    QStringLiteral("description"),
    QStringLiteral("type"),     QStringLiteral("const"),
    QStringLiteral("enum"),     QStringLiteral("properties"),
    QStringLiteral("required"), QStringLiteral("additionalProperties"),
    QStringLiteral("items"),    QStringLiteral("minItems"),
    QStringLiteral("minimum"),  QStringLiteral("maximum"),
    QStringLiteral("pattern"),  QStringLiteral("oneOf")};

bool hasType(const QJsonValue& value, const QString& type) {
    if (type == QLatin1String("object"))
        return value.isObject();
    if (type == QLatin1String("array"))
        return value.isArray();
    if (type == QLatin1String("string"))
        return value.isString();
    if (type == QLatin1String("boolean"))
        return value.isBool();
    if (type == QLatin1String("null"))
        return value.isNull();
    if (type == QLatin1String("number"))
        return value.isDouble();
    if (type == QLatin1String("integer"))
        return value.isDouble() && value.toDouble() == std::trunc(value.toDouble());
    return false;
}

class Checker {
public:
    explicit Checker(const QJsonObject& root) : root_(root) {}

    void check(const QJsonValue& value, const QJsonObject& schema, const QString& path) {
        for (auto keyword = schema.begin(); keyword != schema.end(); ++keyword) {
            if (!kKnownKeywords.contains(keyword.key()))
                add(path, QStringLiteral("the schema uses \"%1\", which this check does not know")
                              .arg(keyword.key()));
        }
        if (schema.contains(QStringLiteral("$ref")))
            check(value, resolve(schema[QStringLiteral("$ref")].toString(), path), path);
        checkType(value, schema, path);
        checkValues(value, schema, path);
        if (value.isObject())
            checkObject(value.toObject(), schema, path);
        if (value.isArray())
            checkArray(value.toArray(), schema, path);
        if (schema.contains(QStringLiteral("oneOf")))
            checkOneOf(value, schema[QStringLiteral("oneOf")].toArray(), path);
    }

    QStringList problems;

private:
    void add(const QString& path, const QString& problem) {
        problems << (path.isEmpty() ? QStringLiteral("(document)") : path) + QStringLiteral(": ") +
                        problem;
    }

    QJsonObject resolve(const QString& reference, const QString& path) {
        const QString prefix = QStringLiteral("#/$defs/");
        const QJsonObject definitions = root_[QStringLiteral("$defs")].toObject();
        const QString name = reference.mid(prefix.size());
        if (!reference.startsWith(prefix) || !definitions.contains(name)) {
            add(path, QStringLiteral("unknown reference %1").arg(reference));
            return {};
        }
        return definitions[name].toObject();
    }

    void checkType(const QJsonValue& value, const QJsonObject& schema, const QString& path) {
        if (!schema.contains(QStringLiteral("type")))
            return;
        const QJsonValue type = schema[QStringLiteral("type")];
        const QJsonArray types = type.isArray() ? type.toArray() : QJsonArray{type};
        for (const QJsonValue& one : types) {
            if (hasType(value, one.toString()))
                return;
        }
        add(path, QStringLiteral("is not of type %1")
                      .arg(types.toVariantList().size() == 1 ? types[0].toString()
                                                             : QStringLiteral("the listed")));
    }

    void checkValues(const QJsonValue& value, const QJsonObject& schema, const QString& path) {
        if (schema.contains(QStringLiteral("const")) && value != schema[QStringLiteral("const")])
            add(path, QStringLiteral("is not the constant the schema gives"));
        if (schema.contains(QStringLiteral("enum")) &&
            !schema[QStringLiteral("enum")].toArray().contains(value))
            add(path, QStringLiteral("is none of the listed values"));
        if (value.isDouble() && schema.contains(QStringLiteral("minimum")) &&
            value.toDouble() < schema[QStringLiteral("minimum")].toDouble())
            add(path, QStringLiteral("is below the minimum"));
        if (value.isDouble() && schema.contains(QStringLiteral("maximum")) &&
            value.toDouble() > schema[QStringLiteral("maximum")].toDouble())
            add(path, QStringLiteral("is above the maximum"));
        if (value.isString() && schema.contains(QStringLiteral("pattern")) &&
            !QRegularExpression(schema[QStringLiteral("pattern")].toString())
                 .match(value.toString())
                 .hasMatch())
            add(path, QStringLiteral("does not match the pattern"));
    }

    void checkObject(const QJsonObject& object, const QJsonObject& schema, const QString& path) {
        const QJsonObject properties = schema[QStringLiteral("properties")].toObject();
        for (const QJsonValue& name : schema[QStringLiteral("required")].toArray()) {
            if (!object.contains(name.toString()))
                add(path, QStringLiteral("lacks \"%1\"").arg(name.toString()));
        }
        const bool closed = schema[QStringLiteral("additionalProperties")] == QJsonValue(false);
        for (auto member = object.begin(); member != object.end(); ++member) {
            const QString memberPath =
                path.isEmpty() ? member.key() : path + QLatin1Char('.') + member.key();
            if (properties.contains(member.key()))
                check(member.value(), properties[member.key()].toObject(), memberPath);
            else if (closed)
                add(memberPath, QStringLiteral("is not in the schema"));
        }
    }

    void checkArray(const QJsonArray& array, const QJsonObject& schema, const QString& path) {
        if (schema.contains(QStringLiteral("minItems")) &&
            array.size() < schema[QStringLiteral("minItems")].toInt())
            add(path, QStringLiteral("has too few items"));
        if (!schema.contains(QStringLiteral("items")))
            return;
        for (qsizetype index = 0; index < array.size(); ++index)
            check(array[index], schema[QStringLiteral("items")].toObject(),
                  QStringLiteral("%1[%2]").arg(path).arg(index));
    }

    void checkOneOf(const QJsonValue& value, const QJsonArray& choices, const QString& path) {
        int matching = 0;
        QStringList firstProblems;
        for (const QJsonValue& choice : choices) {
            Checker alone(root_);
            alone.check(value, choice.toObject(), path);
            if (alone.problems.isEmpty())
                ++matching;
            else if (firstProblems.isEmpty() || alone.problems.size() < firstProblems.size())
                firstProblems = alone.problems;
        }
        if (matching == 1)
            return;
        if (matching == 0)
            problems << firstProblems;
        else
            add(path, QStringLiteral("matches more than one choice"));
    }

    const QJsonObject& root_;
};
} // namespace

QStringList JsonSchemaCheck::problems(const QJsonValue& value, const QJsonObject& schema) {
    Checker checker(schema);
    checker.check(value, schema, QString());
    return checker.problems;
}
