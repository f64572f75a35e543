#include "csvsavedialog.h"

#include "savefolder.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>

QString CsvSaveDialog::askPath(QWidget *parent, const QString &fileName, CsvDialect *dialect)
{
    const QString plain = tr("Archivos CSV (*.csv)");
    const QString sheet = tr("CSV para hoja de cálculo, coma decimal y punto y coma (*.csv)");
    QFileDialog dialog(parent, tr("Exportar CSV"), QDir(molvix::ui::saveFolder()).filePath(fileName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({plain, sheet});
    dialog.selectNameFilter(csvDialectFor(QLocale::system()) == CsvDialect::Spreadsheet ? sheet
                                                                                         : plain);
    // A name typed without extension is still a CSV file, listed next time.
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    *dialect = dialog.selectedNameFilter() == sheet ? CsvDialect::Spreadsheet : CsvDialect::Plain;
    return dialog.selectedFiles().constFirst();
}
