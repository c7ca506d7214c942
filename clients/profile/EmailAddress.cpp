#include "clients/profile/EmailAddress.h"

namespace {
bool isAllowedCharacter(QChar character) {
    const char16_t upper = character.toUpper().unicode();
    return (upper >= u'A' && upper <= u'Z') || (upper >= u'0' && upper <= u'9') || upper == u'_' ||
           upper == u'.' || upper == u'@' || upper == u'-';
}
} // namespace

bool isValidEmail(const QString& address) {
    // The length rule counts the text's terminating NUL as the stored field holds it, so the
    // shortest address accepted has four characters ("a@b.").
    constexpr qsizetype kShortest = 4;
    if (address.size() < kShortest || !address.contains(u'@') || !address.contains(u'.'))
        return false;
    if (address.size() - address.lastIndexOf(u'.') - 1 > 3)
        return false;
    if (address.indexOf(u'_', address.lastIndexOf(u'@')) >= 0)
        return false;
    if (address.count(u'@') != 1)
        return false;
    return std::all_of(address.cbegin(), address.cend(), isAllowedCharacter);
}
