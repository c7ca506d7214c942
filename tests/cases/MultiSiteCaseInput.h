#pragma once

#include "clients/ClientRecord.h"

#include <QJsonObject>

// The client of a multi-site case (`input.client` of the case format, with its locations).
namespace MultiSiteCaseInput {
ClientRecord client(const QJsonObject& clientJson);
} // namespace MultiSiteCaseInput
