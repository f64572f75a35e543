#pragma once

#include "laboptions.h"

#include <QString>
#include <QStringList>

#include <optional>

// The checks between molvix-lab's options, once each has been read into
// `o`: the particles and spheres a mixture holds, the load a piston carries,
// what combines and what no run would use (the table's needs), and the two
// output files. `given` names the options on the command line, without
// "--". The reason of the first that fails, or none.
std::optional<QString> crossCheck(const LabOptions &o, const QStringList &given);
