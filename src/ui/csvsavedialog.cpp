#include "csvsavedialog.h"

#include "savefolder.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>

QString CsvSaveDialog::askPath(QWidget *parent, const QString &fileName, CsvDialect *dialect)
{
    const QString plain = tr("Archivos CSV (*.csv)");
    const QString sheet = tr("CSV para hoja de cálculo, coma decimal y punto y coma (*.csv)");
    QString chosen = csvDialectFor(QLocale::system()) == CsvDialect::Spreadsheet ? sheet : plain;
    const QString path = QFileDialog::getSaveFileName(
        parent, tr("Exportar CSV"), QDir(molvix::ui::saveFolder()).filePath(fileName),
        plain + QStringLiteral(";;") + sheet, &chosen);
    *dialect = chosen == sheet ? CsvDialect::Spreadsheet : CsvDialect::Plain;
    return path;
}
