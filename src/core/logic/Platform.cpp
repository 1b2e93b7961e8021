#include "core/logic/Platform.h"

#include <QtGlobal>

double Platform::SecondsSinceMidnight() const
{
    const QTime t = Now().time();
    return t.msecsSinceStartOfDay() / 1000.0;
}

QString TestRoot()
{
    return qEnvironmentVariable("NUMBRELLA_ROOT");
}
