#pragma once

#include "laboptions.h"

#include <QString>

#include <span>
#include <variant>

// molvix-lab's options, one row each: the parser, the checks between
// options, --help and the test of the man page all read this table, so
// that an option, its range and its help are written once.

// The sections of --help, in its order.
enum class OptionGroup
{
    Settings, // the classic gas's settings
    Process,  // any of them adds the process columns
    Mixture,  // any of them makes a mixture and adds its columns
    Length,
    Output
};

// Where an option's value goes; its type says how the value is read:
// whole or real sweeps, one whole number, a list of words or one word
// (the row's `words`), a file name. None: --lang (read by main before the
// parser), --help and --version.
using OptionTarget =
    std::variant<std::monostate, std::vector<int32_t> LabOptions::*,
                 std::vector<float> LabOptions::*, std::vector<std::optional<float>> LabOptions::*,
                 int64_t LabOptions::*, int LabOptions::*, std::vector<bool> LabOptions::*,
                 std::vector<PistonMode> LabOptions::*, std::vector<Divider> LabOptions::*,
                 OutputFormat LabOptions::*, QString LabOptions::*>;

// What a run must have for an option to matter to it; an option that no run
// of the sweep would use is refused, naming what it needs.
struct OptionNeed
{
    const char *option = nullptr; // "--piston moving"; none: always used
    bool (*met)(const LabOptions &) = nullptr;
};

struct LabOption
{
    const char *name;        // without "--"
    const char *value = "";  // the value's name in --help, translated; none: a flag
    OptionTarget into;       // see OptionTarget
    double min = 0, max = 0; // a number's range
    OptionGroup group = OptionGroup::Output;
    const char *help = "";         // translated; %1: the range (or the languages), %2: the cores
    const char *words = nullptr;   // "on|off": the words it takes, in enum order ("on": true)
    const char *refusal = nullptr; // translated: a word or file name it does not take (%1)
    OptionNeed needs = {};
    char shortName = 0;     // -h, -v
    int32_t mixtureMax = 0; // the larger max in a mixture (--particles)
};

// Every option, in the order of --help.
std::span<const LabOption> labOptionTable();

// The option's range as --help and the man page write it: "0..100",
// "0.1..10"; --lang's languages, "es|en"; empty for the others.
QString rangeText(const LabOption &option);

// "--particles N", "--collisions on|off", "-h, --help", in the interface's
// language.
QString optionSynopsis(const LabOption &option);

// Whether the option is a number read against its range.
bool isNumeric(const LabOption &option);
