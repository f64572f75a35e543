#pragma once

#include "experiment.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
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
// Each mixture run's layers at the end of its measured ticks: height,
// species (A, B, heavy), density and the barometric law's, temperature;
// numbers exact (the shortest text that reads back to the same double).
QByteArray profileCsv(const std::vector<RunResult> &results);
QByteArray profileJson(const std::vector<RunResult> &results);

// A file molvix-lab writes: opened before any run, written after all of
// them. A regular file, or a name not there yet, is replaced whole: the text
// goes to a file beside it, renamed over it only when every file is ready.
// Anything else that is there (a FIFO, a device) is written directly, since
// a rename would take its place; so is standard output.
class OutputFile
{
public:
    // None, with *error set, when the file cannot be opened for writing.
    // Opening a FIFO waits for its reader; a signal that makes `interrupted`
    // true ends the wait: none, with *error empty.
    static std::unique_ptr<OutputFile> open(const QString &path, QString *error,
                                            const std::function<bool()> &interrupted = {});
    static std::unique_ptr<OutputFile> standardOutput(QString *error);
    // Whether open() would open the file, found without making or changing
    // any: the name's length, its folder (there, a folder, writable), the
    // file (not a folder, writable). False, with *error set as open() would
    // set it, when not.
    static bool openable(const QString &path, QString *error);

    bool direct() const { return m_whole == nullptr; }

private:
    friend bool writeAll(const std::vector<std::pair<OutputFile *, QByteArray>> &, QString *);
    QString m_failure;                  // "cannot write NAME", as an error begins
    std::unique_ptr<QSaveFile> m_whole; // regular files
    QFile m_direct;                     // the others
};

// Writes each text to its file, or changes no regular file where one fails:
// the regular files are written beside their targets and synced, then the
// direct ones are written, then the regular ones renamed over their targets.
// On failure *error says which file and why.
bool writeAll(const std::vector<std::pair<OutputFile *, QByteArray>> &files, QString *error);
