#include "processcsv.h"

#include "readinglog.h"

#include <QList>

#include <gtest/gtest.h>

TEST(ProcessCsv, TheReadingsRowsCarryOnWithThePistonAndTheLedger)
{
    GasReading a{.tick = 200, .time = 20, .count = 100, .wall = 100, .pressure = 3762.25};
    a.piston = 87.125;
    a.pistonMean = 72.5; // the piston moved during the reading
    a.work = 12.5;
    a.heat = -0.1;
    a.energyX = 1.0 / 3;
    a.energyY = 2e-7;
    a.energyZ = 150;
    GasReading b = a;
    b.tick = 400;
    b.piston = 0;
    const std::vector<GasReading> readings{a, b};

    const QList<QByteArray> rows =
        QByteArray::fromStdString(processReadingsCsv(readings)).split('\n');
    const QList<QByteArray> plain = QByteArray::fromStdString(readingsCsv(readings)).split('\n');
    ASSERT_EQ(rows.size(), 4); // header, two rows, the last newline
    EXPECT_EQ(rows[0], plain[0] + ",piston,volume,work,heat,energy_x,energy_y,energy_z");
    // The volume is the one the P-V diagram draws the reading at, in whole
    // boxes: its pressure was gathered over the piston's mean position. The
    // ledger and the energies to a float's digits, not a double's.
    EXPECT_EQ(rows[1], plain[1] + ",87.125,0.725,12.5,-0.1,0.33333334,2e-07,150");
    EXPECT_TRUE(rows[2].startsWith(plain[2] + ",0,"));
    EXPECT_TRUE(rows[3].isEmpty());
    EXPECT_EQ(QByteArray::fromStdString(processReadingsCsv({})), rows[0] + '\n');
}
