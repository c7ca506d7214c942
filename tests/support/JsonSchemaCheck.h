#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

// Checks a JSON value against a JSON Schema, for the keywords the project's schemas use:
// type, const, enum, properties, required, additionalProperties (true or false), items,
// minItems, minimum, maximum, pattern, oneOf and local references ("#/$defs/name"). A keyword
// it does not know fails the check, so a schema cannot pass by using one it ignores. Returns
// one line per problem, each with the path of the value ("computed.st1.line4a"); none when the
// value conforms.
namespace JsonSchemaCheck {
QStringList problems(const QJsonValue& value, const QJsonObject& schema);
} // namespace JsonSchemaCheck
