#pragma once

// The lab's command line read as molvix-lab reads it, with its messages as
// an English system shows them.
#include "laboptions.h"
#include "language.h"

#include <QString>
#include <QStringList>

inline ParsedCommandLine parseInEnglish(const QString &line)
{
    molvix::i18n::installTranslation(QStringLiteral("en"));
    const ParsedCommandLine parsed = parseLabCommandLine(
        QStringList{"molvix-lab"} + line.split(QLatin1Char(' '), Qt::SkipEmptyParts), 1);
    molvix::i18n::removeTranslation();
    return parsed;
}
