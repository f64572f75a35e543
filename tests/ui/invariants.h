#pragma once

// What must hold between any two user actions on the program, shared by the
// soak test and the user-action fuzz target. Each check returns an empty
// string when everything holds, else what is wrong.
#include "controlpanel.h"
#include "gas.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include <cmath>
#include <string>

namespace molvix::test {

// How far the piston's bound on y is checked. A tick leaves every live
// particle inside the box; a wall move only folds particles down to
// PosPared - 1 (so -1 at 0, until the next tick); new particles are placed
// anywhere up to y = 85 whatever the piston, until the next tick.
enum class YBound
{
    Box,        // 0 <= y <= PosPared
    BelowWall,  // y <= PosPared
    Unchecked,
};

inline std::string particleProblem(const GasState &s, int32_t i, YBound bound)
{
    const float values[] = {s.ParX[i], s.ParY[i], s.ParZ[i], s.VelX[i], s.VelY[i], s.VelZ[i]};
    for (float v : values) {
        if (!std::isfinite(v)) {
            return "particle " + std::to_string(i) + " is not finite";
        }
    }
    const auto where = [&] {
        return "particle " + std::to_string(i) + " at (" + std::to_string(s.ParX[i]) + ", " +
               std::to_string(s.ParY[i]) + ", " + std::to_string(s.ParZ[i]) +
               ") with the piston at " + std::to_string(s.PosPared);
    };
    if (s.ParX[i] < 0 || s.ParX[i] > 100 || s.ParZ[i] < 0 || s.ParZ[i] > 100) {
        return where() + " is outside the box";
    }
    const float wall = static_cast<float>(s.PosPared);
    if (bound == YBound::Box && (s.ParY[i] < 0 || s.ParY[i] > wall)) {
        return where() + " is outside the box";
    }
    if (bound == YBound::BelowWall && s.ParY[i] > wall) {
        return where() + " is above the piston";
    }
    return {};
}

inline std::string gasProblem(const GasState &s, YBound bound)
{
    if (s.NumPar < 0 || s.NumPar > MaxPar) {
        return "NumPar " + std::to_string(s.NumPar) + " outside 0..100";
    }
    if (s.PosPared < 0 || s.PosPared > 100) {
        return "PosPared " + std::to_string(s.PosPared) + " outside 0..100";
    }
    for (int32_t i = 1; i <= s.NumPar; ++i) {
        std::string problem = particleProblem(s, i, bound);
        if (!problem.empty()) {
            return problem;
        }
    }
    if (!std::isfinite(s.Presion) || !std::isfinite(s.Energ)) {
        return "pressure or energy is not finite";
    }
    return {};
}

// A readout must read as a finite number. MaskPre is empty until the first
// reading; an empty gas shows its temperature as "Temperatura = 0.00".
inline bool readsAsNumber(QString text, bool emptyAllowed, const QString &prefix = {})
{
    if (text.isEmpty()) {
        return emptyAllowed;
    }
    if (!prefix.isEmpty() && text.startsWith(prefix)) {
        text.remove(0, prefix.size());
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

inline std::string panelProblem(const TFormCPanel &panel, const GasState &s)
{
    if (s.NumPar != panel.ScBarNPart->value()) {
        return "NumPar " + std::to_string(s.NumPar) + " but the count bar shows " +
               std::to_string(panel.ScBarNPart->value());
    }
    const struct
    {
        const char *name;
        const QLineEdit *edit;
        bool emptyAllowed;
        QString prefix;
    } readouts[] = {{"MaskEner", panel.MaskEner, false, {}},
                    {"MaskTemp", panel.MaskTemp, false, QStringLiteral("Temperatura = ")},
                    {"MaskPre", panel.MaskPre, true, {}},
                    {"MaskPosPa", panel.MaskPosPa, false, {}}};
    for (const auto &r : readouts) {
        if (!readsAsNumber(r.edit->text(), r.emptyAllowed, r.prefix)) {
            return std::string(r.name) + " reads \"" + r.edit->text().toStdString() +
                   "\", not a number";
        }
    }
    return {};
}

} // namespace molvix::test
