#pragma once

#include <QString>

// molvix-lab's --help in the interface's language: the options from their
// table (labtable.h), each in its section, around the prose on sweeps,
// runs, columns, files, limits and exit status. `threads` is the default
// of --threads on this machine.
QString labHelpText(int threads);
