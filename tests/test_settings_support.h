// Settings made from "NAME=VALUE" lines, for the tests; a line the settings
// refuse ends the test run, since the test itself is wrong.
#pragma once

#include "core/settings.h"

#include <QStringList>
#include <QtGlobal>

namespace testing {

inline quorlin::Settings With(const QStringList &assignments)
{
    quorlin::Settings s;
    for (const QString &a : assignments)
        if (const QString error = s.setFromString(a.section(QLatin1Char('='), 0, 0), a.section(QLatin1Char('='), 1));
            !error.isEmpty())
            qFatal("%s", qPrintable(error));
    return s;
}

} // namespace testing
