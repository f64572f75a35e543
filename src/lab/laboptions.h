#pragma once

#include "experiment.h"
#include "labnumbers.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The command line of molvix-lab.

// The text with its control characters written as escapes (\n, \t, \r,
// \x1b, \u009b): an error line that echoes a value stays one line and sends
// the terminal no command, whatever the value holds.
QString escapedLine(const QString &text);

// The name with every symbolic link followed, in a folder named without
// links, whether or not the file is there yet.
QString resolvedName(const QString &path);

// Whether a name is the file standard output goes to: a redirection's
// target, /dev/stdout.
bool isStandardOutput(const QString &path);

enum class OutputFormat
{
    Csv,
    Json
};

struct LabOptions
{
    std::vector<int32_t> counts{50};
    std::vector<int32_t> walls{100};
    std::vector<int32_t> temperatures{20};
    std::vector<bool> collisions{false};
    // The process's settings; none given: none is swept, no process columns.
    std::vector<PistonMode> pistons{PistonMode::Fixed};
    std::vector<std::optional<float>> pistonTargets{std::nullopt};
    std::vector<float> pistonSpeeds{RunSettings{}.pistonSpeed};
    std::vector<float> loads{RunSettings{}.load};
    std::vector<float> pistonMasses{RunSettings{}.pistonMass};
    std::vector<bool> baths{false};
    std::vector<std::optional<float>> bathTemperatures{std::nullopt};
    bool processColumns = false;
    // A mixture's settings; none given: the classic gas, no mixture columns.
    std::vector<float> gravities{0}; // 0: no field
    std::vector<float> radii{kRadius};
    std::vector<int32_t> bCounts{0};
    std::vector<float> bMasses{1};
    std::vector<float> bRadii{kRadius};
    std::vector<Divider> dividers{Divider::None};
    std::vector<float> holeSides{MixtureSettings{}.holeSide};
    std::vector<float> heavyMasses{0}; // 0: no heavy particle
    std::vector<float> heavyRadii{RunSettings{}.heavyRadius};
    bool mixture = false;
    int64_t warmup = 0;
    int64_t ticks = 0;
    int threads = 1;
    QString out;    // summary file; empty: standard output
    QString series; // series file; empty: none
    QString profile; // height profile file (a mixture's); empty: none
    OutputFormat format = OutputFormat::Csv;

    // The runs of the sweep: every count, for each every wall, for each
    // every temperature, for each every collision choice, then the process's
    // settings and the mixture's in the order of --help.
    std::vector<RunSettings> runs() const;
    // Each of the mixture's settings for a run of the other settings.
    void addMixtures(RunSettings r, std::vector<RunSettings> &all) const;
    // How many runs that is, as a double: a product of long sweeps may not
    // fit a whole number, and is checked before the runs are made.
    double runCount() const;
};

// The defaults and limits of the options.
constexpr int64_t kDefaultTicks = 50'000;
constexpr int64_t kDefaultWarmup = 20'000;
constexpr int64_t kMaxTicks = 10'000'000;
constexpr int64_t kMaxWarmup = 100'000'000;
constexpr int kMaxThreads = 1024;
// A sweep of the process's settings may not run away.
constexpr size_t kMaxSweepValues = 100'000;

struct ParsedCommandLine
{
    enum Action
    {
        Run,
        Help,
        Version,
        Error
    };
    Action action = Error;
    LabOptions options;
    QString text; // the help text, or the reason of an error (one line)
};

// Parses the arguments (the program's name first). `idealThreads` is the
// default for --threads.
ParsedCommandLine parseLabCommandLine(const QStringList &arguments, int idealThreads);
