#pragma once
// What the user should do about a failure that cdrdao reported.

#include <QString>
#include <QStringList>

// The advice for the first line of cdrdao's output that shows a known
// failure; empty when no line does (the caller then shows cdrdao's own line).
QString CdrdaoAdvice(const QStringList& outputLines);
