#include "app/LockKeyState.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(VANTROBE_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

#if defined(Q_OS_WIN)
std::optional<LockKeyState> readLockKeyState() {
    return LockKeyState{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
                        (GetKeyState(VK_SCROLL) & 1) != 0};
}
#elif defined(VANTROBE_HAVE_X11)
namespace {
bool indicatorOn(Display* display, Atom indicator) {
    Bool on = False;
    XkbGetNamedIndicator(display, indicator, nullptr, &on, nullptr, nullptr);
    return on == True;
}
} // namespace

std::optional<LockKeyState> readLockKeyState() {
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // The program talks to one X server for its whole run, so the names are looked up once.
    static const Atom caps = XInternAtom(display, "Caps Lock", False);
    static const Atom num = XInternAtom(display, "Num Lock", False);
    static const Atom scroll = XInternAtom(display, "Scroll Lock", False);
    return LockKeyState{indicatorOn(display, caps), indicatorOn(display, num),
                        indicatorOn(display, scroll)};
}
#else
std::optional<LockKeyState> readLockKeyState() {
    return std::nullopt;
}
#endif
