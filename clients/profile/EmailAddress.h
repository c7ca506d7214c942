#pragma once

#include <QString>

// The e-mail address check of the client and location entries. An address is accepted when it
// has at least four characters with "@" and ".", at most three characters after the last ".",
// no "_" after the "@", exactly one "@", and only letters A-Z, digits, "_", ".", "@" and "-".
// "a@b." is the shortest address that passes.
bool isValidEmail(const QString& address);
