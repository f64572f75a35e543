#pragma once

#include "csvfiles.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// The save dialog of "Exportar CSV", the same in every window: it opens in
// the folder of the last file saved and offers the plain CSV and the
// spreadsheet one of decimal-comma locales, proposing the spreadsheet type
// where the system writes a decimal comma. Its callers save with csvfiles.h.
class CsvSaveDialog
{
    Q_DECLARE_TR_FUNCTIONS(CsvSaveDialog)

public:
    // The path chosen for fileName (empty when cancelled); *dialect is set
    // to the type chosen.
    static QString askPath(QWidget *parent, const QString &fileName, CsvDialect *dialect);
};
