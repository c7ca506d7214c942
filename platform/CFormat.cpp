#include "platform/CFormat.h"

#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {
// The C library formats in the locale the application set from the user's environment (a
// decimal comma in many). The forms and files need the "C" locale's point whatever it is.
#if defined(Q_OS_WIN)
_locale_t cLocale() {
    static const _locale_t locale = _create_locale(LC_ALL, "C");
    return locale;
}

int formatInC(char* buffer, std::size_t size, const char* format, va_list arguments) {
    return buffer ? _vsnprintf_l(buffer, size, format, cLocale(), arguments)
                  : _vscprintf_l(format, cLocale(), arguments);
}
#else
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

// uselocale changes the locale of the calling thread only, so other threads keep theirs.
int formatInC(char* buffer, std::size_t size, const char* format, va_list arguments) {
    const locale_t previous = uselocale(cLocale());
    const int length = std::vsnprintf(buffer, size, format, arguments);
    uselocale(previous);
    return length;
}
#endif
} // namespace

QString cFormat(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = formatInC(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length < 0) {
        va_end(arguments);
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    formatInC(buffer.data(), buffer.size(), format, arguments);
    va_end(arguments);
    return QString::fromLatin1(buffer.data(), length);
}
