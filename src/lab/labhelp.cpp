#include "labhelp.h"

#include "labtable.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The help's lines are at most 78 columns; an option's text starts at
// column 23, below the option where the option is longer than 20.
constexpr qsizetype kWidth = 78;
constexpr qsizetype kTextColumn = 23;

QString translated(const char *text)
{
    return QCoreApplication::translate("molvix-lab", text);
}

// A section of the help: its title and the note under its options.
struct Section
{
    OptionGroup group;
    const char *title;
    const char *note;
};

const Section kSections[] = {
    {OptionGroup::Settings,
     QT_TRANSLATE_NOOP("molvix-lab",
                       "Ajustes (cada uno puede ser un barrido; las ejecuciones son todas las\n"
                       "combinaciones):\n"),
     nullptr},
    {OptionGroup::Process,
     QT_TRANSLATE_NOOP(
         "molvix-lab",
         "El proceso (cada uno puede ser un barrido; cualquiera añade las columnas del\n"
         "proceso):\n"),
     QT_TRANSLATE_NOOP(
         "molvix-lab",
         "  Los valores reales se escriben 0.5 o 5e-1; un intervalo 0.1:0.4:0.1 incluye\n"
         "  su final cuando los pasos llegan a él. Se rechaza un ajuste que ninguna\n"
         "  ejecución usaría: --piston-to y --piston-speed necesitan un émbolo móvil,\n"
         "  --load y --piston-mass uno con carga, --bath-temperature el baño activo.\n")},
    {OptionGroup::Mixture,
     QT_TRANSLATE_NOOP(
         "molvix-lab",
         "Mezclas de dos especies (cada uno puede ser un barrido; cualquiera añade las\n"
         "columnas de la mezcla, y --particles, las de la especie A, admite entonces\n"
         "hasta 500 en total con las de B):\n"),
     QT_TRANSLATE_NOOP(
         "molvix-lab",
         "  La mezcla coloca las partículas sin solaparse, con velocidades de\n"
         "  Maxwell–Boltzmann a la energía del ajuste de temperatura, y cada par choca\n"
         "  en el instante en que se tocan (a la suma de sus radios) dentro del paso.\n"
         "  Las esferas pueden llenar como mucho el 30 % del volumen (con --divider, de\n"
         "  su mitad). No se combinan con las opciones del proceso.\n")},
    {OptionGroup::Length, QT_TRANSLATE_NOOP("molvix-lab", "Duración de cada ejecución:\n"),
     nullptr},
    {OptionGroup::Output, QT_TRANSLATE_NOOP("molvix-lab", "Salida:\n"), nullptr},
};

// What comes before the options, and after them.
const char *const kIntro = QT_TRANSLATE_NOOP(
    "molvix-lab", "Uso: molvix-lab [opciones]\n"
                  "\n"
                  "Ejecuta el gas de Molvix sin ventanas y escribe lo que ha medido: para cada\n"
                  "ejecución una fila de resumen (medias y dispersiones de las tres lecturas, la\n"
                  "razón de gas ideal P·V/(N·T) y la distancia de las velocidades a\n"
                  "Maxwell–Boltzmann) y, si se pide, la serie de sus lecturas. El gas es el del\n"
                  "programa: el mismo inicio, paso, paredes, choques y lecturas, bit a bit.\n");
const char *const kClosing = QT_TRANSLATE_NOOP(
    "molvix-lab", "Barridos:\n"
                  "  Un valor (50); un intervalo inicio:fin:paso (20:100:10 es 20, 30, ...,\n"
                  "  100: el paso debe ser positivo y el final se incluye cuando los pasos\n"
                  "  llegan a él; inicio:fin avanza de 1 en 1); o una lista de valores e\n"
                  "  intervalos separados por comas (10,50,100 o 10:50:20,100), en el orden\n"
                  "  escrito. Las ejecuciones van en este orden: partículas por fuera, luego\n"
                  "  pared, luego temperatura, luego choques, luego los ajustes del proceso en\n"
                  "  el orden de arriba (la temperatura del baño por dentro).\n"
                  "\n"
                  "Cada ejecución:\n"
                  "  Parte del inicio del propio programa (el mismo generador y arranque),\n"
                  "  luego fija el número, la temperatura y la pared como lo hace el panel de\n"
                  "  control, en ese orden, y activa o no los choques. Ejecuta los pasos de\n"
                  "  calentamiento y luego los medidos. El gas lee su presión, temperatura y\n"
                  "  energía cada 200 pasos; las lecturas tomadas durante los pasos medidos son\n"
                  "  la serie de la ejecución. Cada 50 pasos medidos se toman las velocidades\n"
                  "  de todas las partículas, y todas juntas se comparan con la distribución de\n"
                  "  Maxwell–Boltzmann de la misma energía media. Las ejecuciones van en\n"
                  "  paralelo, cada una con su propio gas.\n"
                  "\n"
                  "Columnas del resumen (JSON tiene los mismos campos, con warmup y ticks):\n"
                  "  run                  1, 2, ... en el orden del barrido\n"
                  "  count, wall, temperature_setting, collisions\n"
                  "                       los ajustes de la ejecución\n"
                  "  readings             lecturas tomadas durante los pasos medidos\n"
                  "  pressure_mean, pressure_sd\n"
                  "                       \"Presión\": impulso recibido por las paredes en 200\n"
                  "                       pasos por 10 000 de área de pared\n"
                  "  temperature_mean, temperature_sd\n"
                  "                       \"Temperatura\": suma de v² / (3 N × 100)\n"
                  "  energy_mean, energy_sd\n"
                  "                       \"Energía\": 0.01 × suma de v²\n"
                  "  pvnt_mean, pvnt_sd   P·V/(N·T) de cada lectura, escalada para que un gas\n"
                  "                       ideal dé 1: P × W / (2000 N T)\n"
                  "  ks_mb                distancia de Kolmogorov–Smirnov de las velocidades\n"
                  "                       reunidas a Maxwell–Boltzmann (0 = la misma\n"
                  "                       distribución)\n"
                  "  Medias y desviaciones típicas muestrales sobre las lecturas, con 6 cifras\n"
                  "  significativas. Lecturas iguales tienen una desviación de exactamente 0;\n"
                  "  una sola lectura no tiene (vacía, JSON null). Vacías (JSON null) también\n"
                  "  donde no hay nada que promediar: sin lecturas; la temperatura de una caja\n"
                  "  vacía (su presión y su energía son 0); P·V/(N·T) sin partículas, con la\n"
                  "  pared en 0 o una temperatura de 0 (o 0 en precisión simple: lo que el\n"
                  "  redondeo deja de un gas llevado al reposo); ks_mb cuando ninguna partícula\n"
                  "  se mueve.\n"
                  "\n"
                  "Columnas del proceso (con cualquier opción del proceso; JSON tiene los mismos\n"
                  "campos):\n"
                  "  piston, piston_to, piston_speed, load, piston_mass, bath, bath_temperature\n"
                  "                       los ajustes del proceso de la ejecución (piston_to\n"
                  "                       vacía: ninguno)\n"
                  "  temperature_start, temperature_end, wall_start, wall_end\n"
                  "                       temperatura (energía / 3 N) y posición exacta del\n"
                  "                       émbolo al empezar y al acabar los pasos medidos\n"
                  "  work, heat, energy_change\n"
                  "                       durante los pasos medidos, en las unidades de\n"
                  "                       \"Energía\": trabajo del émbolo sobre el gas, calor que\n"
                  "                       entra por el baño, cambio de la energía del gas\n"
                  "                       (= work + heat)\n"
                  "  gamma, gamma_se      P·V^gamma = const ajustada a las lecturas (pendiente\n"
                  "                       de ln P frente a ln V, V = 10 000 × la posición media\n"
                  "                       del émbolo durante la lectura) y su error, que cuenta\n"
                  "                       con que lecturas seguidas se parecen (por bloques de\n"
                  "                       lecturas); vacías cuando el volumen cambió menos de\n"
                  "                       un 10 % o cuando el camino no es una ley de potencias\n"
                  "  gamma_path           qué camino es: power_law (gamma lo describe), jump\n"
                  "                       (casi todo el cambio de volumen en una o dos\n"
                  "                       lecturas), not_power_law (ln P frente a ln V se\n"
                  "                       curva más de lo que explica su ruido), too_scattered\n"
                  "                       (el error de gamma pasa de 0.2); vacía sin ajuste\n"
                  "  piston_mean, piston_sd\n"
                  "                       la posición media del émbolo en las lecturas\n"
                  "  energy_x_start, energy_y_start, energy_z_start\n"
                  "                       0.01 × suma de vx², vy², vz² al empezar a medir\n"
                  "  y en la serie: piston (posición en la lectura), volume (el volumen de la\n"
                  "  lectura en cajas enteras, 10 000 × la posición media del émbolo durante\n"
                  "  la lectura / 1 000 000: el del diagrama P–V), work, heat (desde que\n"
                  "  empezaron los pasos medidos), energy_x, energy_y, energy_z (0.01 x suma de\n"
                  "  vx², vy², vz² en la lectura).\n"
                  "  El gas los calcula en precisión simple: temperature_start y _end, work,\n"
                  "  heat, energy_change y las energías son cada uno el texto más corto que se\n"
                  "  lee como el mismo float y redondea a las mismas centésimas (lo que\n"
                  "  muestran las ventanas del programa).\n"
                  "\n"
                  "Columnas de la mezcla (con cualquier opción de la mezcla; JSON tiene los\n"
                  "mismos campos):\n"
                  "  gravity, radius, b_particles, b_mass, b_radius\n"
                  "                       los ajustes de la mezcla de la ejecución (gravity: el\n"
                  "                       campo g, 0 sin él)\n"
                  "  mean_free_path       el recorrido libre medio lejos de las paredes (a dos\n"
                  "                       radios mayores de cada una, y del tabique mientras\n"
                  "                       está): la distancia que recorren allí las partículas\n"
                  "                       de A y B entre los choques que tienen allí, v̄/z\n"
                  "  mean_free_path_theory\n"
                  "                       el de las esferas duras a la temperatura medida y la\n"
                  "                       densidad medida en esa zona: 1/(√2·n·π·d²·χ) para una\n"
                  "                       especie, con el factor de Enskog χ = (1 − η/2)/(1 −\n"
                  "                       η)³, η = π·n·d³/6; con dos especies, la fórmula de la\n"
                  "                       mezcla; sin corrección de paredes: la zona está lejos\n"
                  "                       de ellas\n"
                  "  collision_rate       choques por partícula y unidad de tiempo en esa zona\n"
                  "  collision_rate_theory\n"
                  "                       el de la teoría, v̄/λ (la media de las especies), con\n"
                  "                       v̄ = √(8·k·T/(π·m))\n"
                  "  energy_total_drift   la deriva relativa de la energía total, cinética\n"
                  "                       Σ½·m·v² más potencial Σm·g·h (h: la altura del\n"
                  "                       centro), de principio a fin de los pasos medidos:\n"
                  "                       (E_fin − E_inicio)/E_inicio; sin choques solo el\n"
                  "                       redondeo la mueve\n"
                  "  pressure_floor, pressure_top\n"
                  "                       la presión sobre el suelo y sobre el émbolo: el\n"
                  "                       impulso que reciben en los pasos medidos por unidad\n"
                  "                       de área y de tiempo (masas de A, longitudes, tiempo)\n"
                  "  weight_per_area      el peso del gas sobre el área del suelo,\n"
                  "                       Σm·g/(100 × 100): en equilibrio, pressure_floor −\n"
                  "                       pressure_top\n"
                  "  z_walls, z_virial    el factor de compresibilidad Z = P/(n·k·T) en el\n"
                  "                       núcleo (a 5 radios mayores o más de cada pared), con\n"
                  "                       n su densidad medida y P la de las zonas centrales\n"
                  "                       de las paredes, o la del virial de los choques del\n"
                  "                       núcleo, Z = 1 + Σd·|J|/(3·k·T·Σt) (d: la distancia\n"
                  "                       de los centros al chocar, J: el impulso, Σt: el\n"
                  "                       tiempo que las partículas pasan en el núcleo)\n"
                  "  z_theory             el de Carnahan–Starling a la compacidad η del núcleo,\n"
                  "                       (1 + η + η² − η³)/(1 − η)³; 1 sin choques (esferas\n"
                  "                       que se atraviesan son un gas ideal)\n"
                  "  diffusion            el coeficiente de difusión de la especie A: la\n"
                  "                       pendiente / 6 del desplazamiento cuadrático medio de\n"
                  "                       todas sus partículas (las paredes desplegadas como\n"
                  "                       espejos) frente al tiempo, desde 10 tiempos entre\n"
                  "                       choques\n"
                  "  diffusion_theory     el de las esferas duras, 3/(8·n·d²·χ)·√(k·T/(π·m)),\n"
                  "                       a la densidad de la caja (N/V) y la temperatura\n"
                  "                       medida, dividido por la sombra de las paredes,\n"
                  "                       1 − d·A/(4·V) (A: el área de las seis paredes, V: el\n"
                  "                       volumen); con otras especies, la ley de Blanc\n"
                  "  heavy_v2             la media de v² de la partícula pesada en los pasos\n"
                  "                       medidos\n"
                  "  heavy_v2_theory      3·k·T/M, con k·T = 100 × la \"Temperatura\" medida\n"
                  "  heavy_mass, heavy_radius\n"
                  "                       los ajustes de la partícula pesada\n"
                  "  Vacías sin choques, sin partículas o sin partícula pesada; las del\n"
                  "  recorrido libre y los choques también con el émbolo a menos de cuatro radios\n"
                  "  mayores del suelo (no queda zona lejos de las paredes), y diffusion_theory\n"
                  "  con el émbolo a menos de un diámetro (en esa lámina no hay gas en volumen al\n"
                  "  que se aplique).\n"
                  "  Las de la presión y Z, vacías sin pasos medidos; las de Z también sin\n"
                  "  núcleo (el émbolo a menos de 10 radios mayores del suelo) o a\n"
                  "  temperatura 0. Z se mide en el núcleo porque junto a una pared un gas\n"
                  "  denso forma capas más densas que él.\n"
                  "\n"
                  "Columnas del perfil (--profile; una mezcla):\n"
                  "  run, height, species, density, density_theory, temperature: una fila por\n"
                  "  capa y especie (A, B, heavy), de abajo arriba, en 20 capas de la altura,\n"
                  "  promediadas sobre los pasos medidos. height es el centro de la capa;\n"
                  "  density, partículas por unidad de volumen; density_theory, la ley\n"
                  "  barométrica n(h) = n₀·exp(−m·g·h/(k·T)) promediada en la capa, con el\n"
                  "  número medio de la especie y el k·T medido (uniforme con g = 0);\n"
                  "  temperature, Σm·v²/(3·N·100) de la capa, como \"Temperatura\" (vacía si\n"
                  "  ninguna partícula llegó). Números exactos: el texto más corto que se lee\n"
                  "  como el mismo double. En JSON cada ejecución da sus ajustes y su perfil.\n"
                  "\n"
                  "Columnas de la serie:\n"
                  "  run, tick, time, count, wall, temperature_setting, collisions, pressure,\n"
                  "  temperature, energy: una fila por lectura. Presión, temperatura y energía\n"
                  "  tal como las guarda el gas, floats de precisión simple, cada una el texto\n"
                  "  más corto que se lee como el mismo float; time es tick x 0.1 exacto (20\n"
                  "  para el paso 200).\n"
                  "\n"
                  "Archivos:\n"
                  "  Sin --out la tabla de resumen va a la salida estándar y nada más va allí.\n"
                  "  Las mismas opciones dan la misma salida, byte a byte, sea cual sea\n"
                  "  --threads. Un archivo normal se escribe entero o no se escribe: todos los\n"
                  "  archivos están completos antes de sustituir ninguno, y si alguno no se\n"
                  "  puede escribir todos conservan lo que tenían. Un FIFO o un dispositivo se\n"
                  "  escribe donde está, y también el archivo adonde va la salida estándar\n"
                  "  (/dev/stdout, o el destino de una redirección), tras lo que contiene;\n"
                  "  --series y --profile solo pueden nombrarlo con --out en otro sitio.\n"
                  "  --out, --series y --profile deben nombrar archivos distintos (se siguen\n"
                  "  los enlaces). Una barra de progreso va a la salida de errores cuando es\n"
                  "  un terminal.\n"
                  "\n"
                  "Límites (comprobados antes de ejecutar nada):\n"
                  "  valores              como mucho 100000 en el barrido de una opción\n"
                  "  ejecuciones          como mucho 1000000 en un barrido\n"
                  "  pasos                como mucho 10^12 en total: ejecuciones x (warmup +\n"
                  "                       ticks)\n"
                  "  memoria              como mucho 4 GiB, según la estimación: por cada\n"
                  "                       ejecución en curso 12 bytes por partícula en cada\n"
                  "                       instantánea de velocidades (una cada 50 pasos\n"
                  "                       medidos: 250 MB para 100 partículas en 10000000\n"
                  "                       pasos), y por cada ejecución su serie si se guarda\n"
                  "                       (unos 270 bytes por lectura)\n"
                  "\n"
                  "Estado de salida:\n"
                  "  0    hecho\n"
                  "  2    una opción o un valor incorrectos, un barrido fuera de los límites, un\n"
                  "       archivo que no se puede escribir, un hilo de trabajo que no arranca o\n"
                  "       memoria que se agota: una línea en la salida de errores dice cuál, y\n"
                  "       no se escribe nada\n"
                  "  130  interrumpido (Ctrl+C; 143 con SIGTERM): las ejecuciones se detienen,\n"
                  "       o se deja de esperar al lector de un FIFO, y no se escribe nada; los\n"
                  "       archivos nombrados conservan lo que tenían\n"
                  "\n"
                  "Ejemplo (Boyle: presión frente a la pared, 100 partículas, con choques):\n"
                  "  molvix-lab --particles 100 --collisions on --wall 20:100:20\n");

// The option's lines: the option, then its text wrapped at word breaks.
QString optionLines(const LabOption &option, int threads)
{
    QString text = translated(option.help);
    text.replace(QLatin1String("%1"), rangeText(option));
    text.replace(QLatin1String("%2"), QString::number(threads));
    const QString indent(kTextColumn, u' ');
    QString lines = QStringLiteral("  ") + optionSynopsis(option);
    lines = lines.size() < kTextColumn ? lines.leftJustified(kTextColumn) : lines + u'\n' + indent;
    qsizetype lineStart = lines.lastIndexOf(u'\n') + 1;
    bool emptyLine = true;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!emptyLine && lines.size() - lineStart + 1 + word.size() > kWidth) {
            lines += u'\n';
            lineStart = lines.size();
            lines += indent;
            emptyLine = true;
        }
        lines += emptyLine ? word : u' ' + word;
        emptyLine = false;
    }
    return lines + u'\n';
}

} // namespace

QString labHelpText(int threads)
{
    QString help = translated(kIntro);
    for (const Section &section : kSections) {
        help += u'\n' + translated(section.title);
        for (const LabOption &option : labOptionTable()) {
            if (option.group == section.group) {
                help += optionLines(option, threads);
            }
        }
        help += section.note != nullptr ? translated(section.note) : QString();
    }
    return help + u'\n' + translated(kClosing);
}
