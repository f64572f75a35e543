#include "labchecks.h"

#include "labtable.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <utility>

#include <sys/stat.h>

namespace {

// Whether two names are one file: the same device and inode where both are
// there (a hard link too), otherwise the same name once links are followed.
bool sameFile(const QString &a, const QString &b)
{
    struct stat sa = {}, sb = {};
    const bool hasA = ::stat(QFile::encodeName(a).constData(), &sa) == 0;
    const bool hasB = ::stat(QFile::encodeName(b).constData(), &sb) == 0;
    if (hasA && hasB) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    return hasA == hasB && resolvedName(a) == resolvedName(b);
}

// A mixture's particles, and its spheres' share of the volume.
std::optional<QString> mixtureCheck(const LabOptions &o, const QStringList &given)
{
    if (!o.mixture) {
        return std::nullopt;
    }
    // Sweeps are products: the largest counts with the largest spheres
    // in the lowest box is one of the runs.
    const int32_t a = *std::max_element(o.counts.begin(), o.counts.end());
    const int32_t b = *std::max_element(o.bCounts.begin(), o.bCounts.end());
    // The heavy particle takes a slot of its own.
    const bool heavy = given.contains(QLatin1String("heavy-mass"));
    if (heavy && a + b + 1 > kMixtureMaxCount) {
        return QCoreApplication::translate("molvix-lab",
                                           "--particles %1 con --b-particles %2 y la "
                                           "partícula pesada: como mucho %3 partículas "
                                           "en total")
            .arg(a)
            .arg(b)
            .arg(kMixtureMaxCount);
    }
    if (a + b > kMixtureMaxCount) {
        return QCoreApplication::translate(
                   "molvix-lab",
                   "--particles %1 con --b-particles %2: como mucho %3 partículas en total")
            .arg(a)
            .arg(b)
            .arg(kMixtureMaxCount);
    }
    // The sweep's fullest start: the widest spheres in the lowest box, and
    // a hole (every sphere in half the box) before a solid divider (each
    // species in its half) before none.
    const auto has = [&](Divider d) {
        return std::find(o.dividers.begin(), o.dividers.end(), d) != o.dividers.end();
    };
    MixtureSettings fullest;
    fullest.aCount = a;
    fullest.aRadius = *std::max_element(o.radii.begin(), o.radii.end());
    fullest.bCount = b;
    fullest.bRadius = b > 0 ? *std::max_element(o.bRadii.begin(), o.bRadii.end()) : kRadius;
    fullest.heavyMass = heavy ? kHeavyMassMin : 0.0f;
    fullest.heavyRadius =
        heavy ? *std::max_element(o.heavyRadii.begin(), o.heavyRadii.end()) : kMixtureRadiusMin;
    fullest.divider = has(Divider::Hole)    ? Divider::Hole
                      : has(Divider::Solid) ? Divider::Solid
                                            : Divider::None;
    const int32_t wall = *std::min_element(o.walls.begin(), o.walls.end());
    const double packing = mixtureStartPacking(fullest, wall);
    if (!(packing <= kMixtureMaxPacking)) {
        const bool half = fullest.divider != Divider::None;
        return (half ? QCoreApplication::translate(
                           "molvix-lab",
                           "las esferas llenarían el %1 % de su mitad de la caja con "
                           "--wall %2 y --divider; una mezcla admite como mucho el %3 %")
                     : QCoreApplication::translate(
                           "molvix-lab", "las esferas llenarían el %1 % del volumen con "
                                         "--wall %2; una mezcla admite como mucho el %3 %"))
            .arg(std::isfinite(packing) ? QString::number(100 * packing, 'g', 3)
                                        : QStringLiteral("∞"))
            .arg(wall)
            .arg(100 * kMixtureMaxPacking);
    }
    return std::nullopt;
}

// A light piston under a heavy load falls through the gas between
// impacts: such a run would measure the tick, not the gas.
std::optional<QString> loadCheck(const LabOptions &o)
{
    if (std::find(o.pistons.begin(), o.pistons.end(), PistonMode::Loaded) != o.pistons.end()) {
        for (const float load : o.loads) {
            for (const float mass : o.pistonMasses) {
                if (load > kLoadPerMassMax * mass) {
                    return QCoreApplication::translate(
                               "molvix-lab", "--load %1 con --piston-mass %2: la carga "
                                             "puede ser como mucho %3 x la masa del émbolo")
                        .arg(QString::fromStdString(floatText(load)),
                             QString::fromStdString(floatText(mass)))
                        .arg(kLoadPerMassMax);
                }
            }
        }
    }
    return std::nullopt;
}

// A setting that no run of the sweep uses is a slip to point out, not a
// value to echo in every row.
std::optional<QString> needsCheck(const LabOptions &o, const QStringList &given)
{
    for (const LabOption &option : labOptionTable()) {
        const QLatin1String name(option.name);
        if (option.needs.met != nullptr && given.contains(name) && !option.needs.met(o)) {
            return QCoreApplication::translate(
                       "molvix-lab", "--%1 necesita %2: ninguna ejecución del barrido lo usaría")
                .arg(name, QLatin1String(option.needs.option));
        }
    }
    return std::nullopt;
}

std::optional<QString> filesCheck(const LabOptions &o)
{
    if (!o.out.isEmpty() && !o.series.isEmpty() && sameFile(o.out, o.series)) {
        return QCoreApplication::translate("molvix-lab",
                                           "--out y --series nombran el mismo archivo");
    }
    if (o.out.isEmpty() && !o.series.isEmpty() && isStandardOutput(o.series)) {
        return QCoreApplication::translate("molvix-lab",
                                           "--series nombra la salida estándar, adonde va el "
                                           "resumen; nombre un archivo para él con --out");
    }
    const std::pair<const char *, const QString *> others[] = {{"out", &o.out},
                                                               {"series", &o.series}};
    for (const auto &[name, other] : others) {
        if (!o.profile.isEmpty() && !other->isEmpty() && sameFile(o.profile, *other)) {
            return QCoreApplication::translate("molvix-lab",
                                               "--profile y --%1 nombran el mismo archivo")
                .arg(QLatin1String(name));
        }
    }
    if (o.out.isEmpty() && !o.profile.isEmpty() && isStandardOutput(o.profile)) {
        return QCoreApplication::translate("molvix-lab",
                                           "--profile nombra la salida estándar, adonde va el "
                                           "resumen; nombre un archivo para él con --out");
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> crossCheck(const LabOptions &o, const QStringList &given)
{
    if (auto reason = mixtureCheck(o, given)) {
        return reason;
    }
    if (auto reason = loadCheck(o)) {
        return reason;
    }
    // The piston's impacts and the bath's draws take every particle to
    // have unit mass: with a heavier species B they would be wrong.
    if (o.mixture && o.processColumns) {
        return QCoreApplication::translate(
            "molvix-lab", "las opciones de la mezcla no se combinan con las del proceso");
    }
    if (auto reason = needsCheck(o, given)) {
        return reason;
    }
    return filesCheck(o);
}
