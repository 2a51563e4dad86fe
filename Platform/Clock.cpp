#include "Platform/Clock.h"

#include <QDateTime>

namespace Platform {

TUtcTime CurrentUtcTime()
{
    const QTime Now = QDateTime::currentDateTimeUtc().time();
    return {Now.hour(), Now.minute(), Now.second(), Now.msec()};
}

}  // namespace Platform
