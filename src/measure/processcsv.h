#pragma once

#include "gasreading.h"
#include "readinglog.h"

#include <string>
#include <vector>

// The readings of a process as CSV: the columns of readingsCsv, then the
// piston's position at each reading, the reading's volume in whole boxes as
// the P–V diagram draws it (readingVolume: the piston's mean over the
// reading), and the ledger (piston, volume, work, heat, energy_x, energy_y,
// energy_z); numbers that read back exactly, in the dialect's decimal sign.
std::string processReadingsCsv(const std::vector<GasReading> &readings,
                               CsvDialect dialect = CsvDialect::Plain);
// The volume column: the reading's volume in whole boxes, as a float reads.
std::string volumeText(const GasReading &r);
