#pragma once

#include "experiment.h"

#include <QByteArray>
#include <QString>

#include <vector>

// What molvix-lab writes: the summary (one row per run) and the series (one
// row per reading), as CSV or JSON. Every byte follows from the results, so
// the same runs always give the same text.

// A summary statistic: 6 significant digits in the C locale.
QByteArray summaryNumber(double value);

QByteArray summaryCsv(const std::vector<RunResult> &results);
QByteArray summaryJson(const std::vector<RunResult> &results, const RunPlan &plan);
// The readings of every run, numbers exact.
QByteArray seriesCsv(const std::vector<RunResult> &results);
QByteArray seriesJson(const std::vector<RunResult> &results);
