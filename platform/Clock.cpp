#include "platform/Clock.h"

namespace {
QDateTime& fixedNow() {
    static QDateTime value;
    return value;
}
} // namespace

QDate Clock::today() {
    return now().date();
}

QDateTime Clock::now() {
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

qint64 Clock::secondsSinceEpoch() {
    return now().toSecsSinceEpoch();
}

void Clock::setFixed(const QDateTime& value) {
    fixedNow() = value;
}
