#include "labtable.h"

#include "labnumbers.h"
#include "language.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The radius's low limit as written (the float's own digits run on).
constexpr double kRadiusMin = 0.1;
static_assert(static_cast<float>(kRadiusMin) == kMixtureRadiusMin);

template <typename List, typename Value> bool has(const List &list, Value value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool movingPiston(const LabOptions &o)
{
    return has(o.pistons, PistonMode::Moving);
}

bool loadedPiston(const LabOptions &o)
{
    return has(o.pistons, PistonMode::Loaded);
}

bool bathOn(const LabOptions &o)
{
    return has(o.baths, true);
}

bool speciesB(const LabOptions &o)
{
    return std::any_of(o.bCounts.begin(), o.bCounts.end(), [](int32_t n) { return n > 0; });
}

bool holeDivider(const LabOptions &o)
{
    return has(o.dividers, Divider::Hole);
}

// --heavy-mass takes masses from 1 on; without it there is only the 0 of
// "no heavy particle".
bool heavyParticle(const LabOptions &o)
{
    return std::any_of(o.heavyMasses.begin(), o.heavyMasses.end(), [](float m) { return m > 0; });
}

// Any mixture option makes every run of the sweep a mixture.
bool mixtureRun(const LabOptions &o)
{
    return o.mixture;
}

using G = OptionGroup;
using L = LabOptions;

const LabOption kOptions[] = {
    {.name = "particles",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "N"),
     .into = &L::counts,
     .max = MaxPar,
     .group = G::Settings,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "número de partículas, %1 (por defecto 50)"),
     .mixtureMax = kMixtureMaxCount},
    {.name = "wall",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "W"),
     .into = &L::walls,
     .max = 100,
     .group = G::Settings,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "posición del émbolo, %1 (por defecto 100)")},
    {.name = "temperature",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "T"),
     .into = &L::temperatures,
     .max = 100,
     .group = G::Settings,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "ajuste de temperatura, %1 (por defecto 20); una escala de velocidades, como "
         "la barra del panel")},
    {.name = "collisions",
     .into = &L::collisions,
     .group = G::Settings,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab", "choques entre partículas (por defecto off); \"on,off\" ejecuta ambos"),
     .words = "on|off",
     .refusal = QT_TRANSLATE_NOOP("molvix-lab", "--collisions %1: use on, off u on,off")},

    {.name = "piston",
     .into = &L::pistons,
     .group = G::Process,
     .help = QT_TRANSLATE_NOOP("molvix-lab",
                               "el émbolo (por defecto fixed): el clásico, uno que se mueve hasta "
                               "--piston-to, o uno con carga"),
     .words = "fixed|moving|loaded",
     .refusal =
         QT_TRANSLATE_NOOP("molvix-lab", "--piston %1: use fixed, moving o loaded, o una lista")},
    {.name = "piston-to",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "W"),
     .into = &L::pistonTargets,
     .max = 100,
     .group = G::Process,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "adonde va el émbolo móvil, %1 (por defecto: se queda en --wall); empieza en "
         "--wall y solo se mueve durante los pasos medidos, para que el calentamiento "
         "equilibre el gas"),
     .needs = {"--piston moving", movingPiston}},
    {.name = "piston-speed",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "U"),
     .into = &L::pistonSpeeds,
     .max = kPistonSpeedMax,
     .group = G::Process,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "longitudes por unidad de tiempo, %1 (por defecto 1; el émbolo avanza U x 0.1 "
         "en cada paso)"),
     .needs = {"--piston moving", movingPiston}},
    {.name = "load",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "P"),
     .into = &L::loads,
     .max = kLoadMax,
     .group = G::Process,
     .help = QT_TRANSLATE_NOOP("molvix-lab",
                               "la presión exterior sobre el émbolo con carga, en las unidades de "
                               "\"Presión\", %1 (por defecto 0)"),
     .needs = {"--piston loaded", loadedPiston}},
    {.name = "piston-mass",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "M"),
     .into = &L::pistonMasses,
     .min = kPistonMassMin,
     .max = kPistonMassMax,
     .group = G::Process,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "la masa del émbolo con carga en masas de partícula, %1 (por defecto 100); la "
         "carga puede ser como mucho 500 x la masa"),
     .needs = {"--piston loaded", loadedPiston}},
    {.name = "bath",
     .into = &L::baths,
     .group = G::Process,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "las cinco paredes fijas son un baño térmico (por defecto off); actúa también "
         "durante el calentamiento"),
     .words = "on|off",
     .refusal = QT_TRANSLATE_NOOP("molvix-lab", "--bath %1: use on, off u on,off")},
    {.name = "bath-temperature",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "T"),
     .into = &L::bathTemperatures,
     .max = kBathTemperatureMax,
     .group = G::Process,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "la temperatura del baño en las unidades de \"Temperatura\", %1 (por defecto: "
         "la del gas una vez aplicados los ajustes, antes del calentamiento)"),
     .needs = {"--bath on", bathOn}},

    {.name = "gravity",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "G"),
     .into = &L::gravities,
     .max = kGravityMax,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "un campo uniforme g hacia el suelo, en longitudes por unidad de tiempo al "
         "cuadrado, %1 (por defecto 0, ninguno): cada especie se asienta con su altura "
         "de escala k·T/(m·g)")},
    {.name = "radius",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "R"),
     .into = &L::radii,
     .min = kRadiusMin,
     .max = kMixtureRadiusMax,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "radio de la especie A, %1 (por defecto 1.5)")},
    {.name = "b-particles",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "N"),
     .into = &L::bCounts,
     .max = kMixtureMaxCount,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "partículas de la especie B, %1 (por defecto 0)")},
    {.name = "b-mass",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "M"),
     .into = &L::bMasses,
     .min = kMixtureMassMin,
     .max = kMixtureMassMax,
     .group = G::Mixture,
     .help =
         QT_TRANSLATE_NOOP("molvix-lab", "masa de la especie B en masas de A, %1 (por defecto 1)"),
     .needs = {"--b-particles", speciesB}},
    {.name = "b-radius",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "R"),
     .into = &L::bRadii,
     .min = kRadiusMin,
     .max = kMixtureRadiusMax,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "radio de la especie B, %1 (por defecto 1.5)"),
     .needs = {"--b-particles", speciesB}},
    {.name = "divider",
     .into = &L::dividers,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "una pared en medio de x (por defecto none): solid separa A (izquierda) de B "
         "(derecha) durante el calentamiento y se quita al empezar los pasos medidos "
         "(mix_time cuenta desde ahí); hole empieza con ambas especies a la izquierda, "
         "que salen por el agujero de la pared durante los pasos medidos"),
     .words = "none|solid|hole",
     .refusal =
         QT_TRANSLATE_NOOP("molvix-lab", "--divider %1: use none, solid o hole, o una lista")},
    {.name = "hole",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "LADO"),
     .into = &L::holeSides,
     .min = kHoleSideMin,
     .max = kHoleSideMax,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP("molvix-lab",
                               "lado del agujero cuadrado de --divider hole, %1 (por defecto 20)"),
     .needs = {"--divider hole", holeDivider}},
    {.name = "heavy-mass",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "M"),
     .into = &L::heavyMasses,
     .min = kHeavyMassMin,
     .max = kHeavyMassMax,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab", "una partícula pesada de masa M en masas de A, %1, entre las demás (por "
                       "defecto ninguna); cuenta en el total de 500")},
    {.name = "heavy-radius",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "R"),
     .into = &L::heavyRadii,
     .min = kRadiusMin,
     .max = kHeavyRadiusMax,
     .group = G::Mixture,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "su radio, %1 (por defecto 5)"),
     .needs = {"--heavy-mass", heavyParticle}},

    {.name = "ticks",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "N"),
     .into = &L::ticks,
     .min = 1,
     .max = kMaxTicks,
     .group = G::Length,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "pasos medidos, %1 (por defecto 50000)")},
    {.name = "warmup",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "N"),
     .into = &L::warmup,
     .max = kMaxWarmup,
     .group = G::Length,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab", "pasos previos a los medidos, cuyas lecturas se descartan, %1 (por defecto "
                       "20000)")},

    {.name = "out",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "ARCHIVO"),
     .into = &L::out,
     .help =
         QT_TRANSLATE_NOOP("molvix-lab", "el resumen en ARCHIVO (por defecto: la salida estándar)"),
     .refusal = QT_TRANSLATE_NOOP("molvix-lab", "--out necesita un nombre de archivo")},
    {.name = "series",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "ARCHIVO"),
     .into = &L::series,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "las lecturas de cada ejecución en ARCHIVO"),
     .refusal = QT_TRANSLATE_NOOP("molvix-lab", "--series necesita un nombre de archivo")},
    {.name = "profile",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "ARCHIVO"),
     .into = &L::profile,
     .help = QT_TRANSLATE_NOOP("molvix-lab",
                               "el perfil de altura de cada ejecución de una mezcla en ARCHIVO, al "
                               "final de los pasos medidos"),
     .refusal = QT_TRANSLATE_NOOP("molvix-lab", "--profile necesita un nombre de archivo"),
     .needs = {"--gravity", mixtureRun}},
    {.name = "format",
     .into = &L::format,
     .help = QT_TRANSLATE_NOOP("molvix-lab", "formato de ambos (por defecto csv)"),
     .words = "csv|json",
     .refusal = QT_TRANSLATE_NOOP("molvix-lab", "--format %1: use csv o json")},
    {.name = "threads",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "N"),
     .into = &L::threads,
     .min = 1,
     .max = kMaxThreads,
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab",
         "ejecuciones a la vez, %1 (por defecto: los núcleos de la máquina, aquí %2)")},
    {.name = "lang",
     .value = QT_TRANSLATE_NOOP("molvix-lab", "CÓDIGO"),
     .into = std::monostate{}, // read by main() before the parser
     .help = QT_TRANSLATE_NOOP(
         "molvix-lab", "idioma de la ayuda y los mensajes: %1 (por defecto: el del sistema si hay "
                       "traducción; si no, español)")},
    {.name = "help",
     .into = std::monostate{},
     .help = QT_TRANSLATE_NOOP("molvix-lab", "esta ayuda"),
     .shortName = 'h'},
    {.name = "version",
     .into = std::monostate{},
     .help = QT_TRANSLATE_NOOP("molvix-lab", "la versión"),
     .shortName = 'v'},
};

} // namespace

std::span<const LabOption> labOptionTable()
{
    return kOptions;
}

bool isNumeric(const LabOption &option)
{
    return option.min < option.max;
}

QString rangeText(const LabOption &option)
{
    if (isNumeric(option)) {
        return limitText(option.min) + QStringLiteral("..") + limitText(option.max);
    }
    if (QLatin1String(option.name) == QLatin1String("lang")) {
        return molvix::i18n::availableLanguages().join(u'|');
    }
    return {};
}

QString optionSynopsis(const LabOption &option)
{
    QString text = QStringLiteral("--") + QLatin1String(option.name);
    if (option.shortName != 0) {
        text = QStringLiteral("-%1, ").arg(QLatin1Char(option.shortName)) + text;
    }
    if (option.words != nullptr) {
        text += u' ' + QLatin1String(option.words);
    } else if (*option.value != '\0') {
        text += u' ' + QCoreApplication::translate("molvix-lab", option.value);
    }
    return text;
}
