#include "csvfiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

GasReading reading(int64_t tick, int count, int wall, double pressure, double temperature)
{
    return {
        tick, tick * 0.1, count, wall, 20, true, pressure, temperature, 3.0 * count * temperature};
}

QByteArray csvBytes(const std::vector<GasReading> &readings)
{
    return QByteArray::fromStdString(::readingsCsv(readings));
}

} // namespace

TEST(ReadingsCsv, SavesWholeOrLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    const std::vector<GasReading> readings = {reading(200, 50, 100, 1966.0, 2.0)};
    const QString path = dir.filePath("readings.csv");
    QString error;
    ASSERT_TRUE(saveReadingsCsv(path, readings, &error)) << error.toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), csvBytes(readings));

    const QString nowhere = dir.filePath("missing/readings.csv");
    EXPECT_FALSE(saveReadingsCsv(nowhere, readings, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));

    if (geteuid() != 0) { // a read-only folder keeps the old file untouched
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(saveReadingsCsv(path, {}, &error));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        saved.seek(0);
        EXPECT_EQ(saved.readAll(), csvBytes(readings));
    }
}

TEST(ReadingsCsv, TheSpreadsheetDialectIsThatOfDecimalCommaLocales)
{
    EXPECT_TRUE(
        csvDialectFor(QLocale(QLocale::Spanish, QLocale::Spain)) == CsvDialect::Spreadsheet &&
        csvDialectFor(QLocale(QLocale::English, QLocale::UnitedStates)) == CsvDialect::Plain);
}

// LibreOffice, where installed, reads the file as a Spanish spreadsheet: the
// readings are numbers, not text.
TEST(ReadingsCsv, LibreOfficeReadsTheSpreadsheetFileAsNumbers)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        GTEST_SKIP() << "LibreOffice is not installed";
    }
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString csvPath = dir.filePath("lecturas.csv");
    QString error;
    ASSERT_TRUE(saveReadingsCsv(csvPath, {reading(200, 50, 100, 3826.672119140625, 2.0)}, &error,
                                CsvDialect::Spreadsheet));
    QProcess p;
    // Separator ";" (59), quote '"' (34), UTF-8 (76), from line 1, standard
    // cells, Spanish (1034) numbers.
    p.start(soffice,
            {QStringLiteral("-env:UserInstallation=file://") + dir.filePath("profile"),
             QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:59,34,76,1,,1034"),
             QStringLiteral("--convert-to"), QStringLiteral("fods"), QStringLiteral("--outdir"),
             dir.path(), csvPath});
    ASSERT_TRUE(p.waitForFinished(120'000) && p.exitCode() == 0) << p.readAllStandardError().data();
    QFile sheet(dir.filePath("lecturas.fods"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QByteArray xml = sheet.readAll();
    // Only a number's cell has an office:value; a text's has its text alone.
    EXPECT_TRUE(xml.contains("office:value=\"3826.672\"")) << "the pressure cell holds a number";
}
