#pragma once

#include <QString>

// Where the tests find their data.
namespace TestPaths {
// The project's own test data (tests/data).
QString testData(const QString& relative = {});
// The shared case files and fixtures beside the checkout.
QString shared(const QString& relative = {});
// The project's source tree.
QString source(const QString& relative = {});
} // namespace TestPaths
