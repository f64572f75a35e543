#include "laboptions.h"

#include "language.h"
#include "readinglog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A whole number in plain decimal (an optional minus sign, then digits).
// Out of the 64-bit range counts as a number far outside any limit.
std::optional<int64_t> wholeNumber(const QString &text, bool *tooLarge)
{
    *tooLarge = false;
    const QByteArray latin = text.toLatin1();
    const char *end = latin.constData() + latin.size();
    int64_t value = 0;
    const auto [ptr, ec] = std::from_chars(latin.constData(), end, value);
    if (latin.isEmpty() || ptr != end || text.size() != latin.size()) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        *tooLarge = true;
        return std::nullopt;
    }
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

QString outsideText(const QString &value, int64_t min, int64_t max)
{
    return QCoreApplication::translate("molvix-lab", "%1 está fuera de %2..%3")
        .arg(value)
        .arg(min)
        .arg(max);
}

// One number of a sweep or a count option, within min..max.
std::optional<int64_t> boundedNumber(const QString &text, int64_t min, int64_t max, QString *error)
{
    bool tooLarge = false;
    const std::optional<int64_t> value = wholeNumber(text, &tooLarge);
    if (tooLarge || (value && (*value < min || *value > max))) {
        *error = outsideText(text, min, max);
        return std::nullopt;
    }
    if (!value) {
        *error = text.isEmpty()
                     ? QCoreApplication::translate("molvix-lab", "falta un valor")
                     : QCoreApplication::translate("molvix-lab", "«%1» no es un número entero")
                           .arg(text);
        return std::nullopt;
    }
    return value;
}

// The name with every symbolic link followed, in a folder named without
// links, whether or not the file is there yet.
QString resolvedName(const QString &path)
{
    QFileInfo info(path);
    // As many links as the system itself follows; a loop ends there.
    for (int links = 0; info.isSymLink() && links < 40; ++links) {
        info.setFile(info.symLinkTarget());
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

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

} // namespace

QString escapedLine(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n') {
            line += QLatin1String("\\n");
        } else if (u == u'\r') {
            line += QLatin1String("\\r");
        } else if (u == u'\t') {
            line += QLatin1String("\\t");
        } else if (u < 0x20 || u == 0x7f) {
            line += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        } else if ((u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029) {
            // C1 controls and Unicode's line breaks.
            line += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        } else {
            line += c;
        }
    }
    return line;
}

bool isStandardOutput(const QString &path)
{
    struct stat target = {}, out = {};
    return ::fstat(STDOUT_FILENO, &out) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &target) == 0 &&
           target.st_dev == out.st_dev && target.st_ino == out.st_ino;
}

namespace {

// The radius's low limit as written (the float's own digits run on).
constexpr double kRadiusMin = 0.1;
static_assert(static_cast<float>(kRadiusMin) == kMixtureRadiusMin);

// A real number in C-locale decimal or exponent notation, within min..max.
std::optional<double> realNumber(const QString &text, double min, double max, QString *error)
{
    const QByteArray latin = text.toLatin1();
    const char *end = latin.constData() + latin.size();
    double value = 0;
    const auto [ptr, ec] = std::from_chars(latin.constData(), end, value);
    if (latin.isEmpty() || ptr != end || ec != std::errc() || text.size() != latin.size() ||
        !std::isfinite(value)) {
        *error = text.isEmpty()
                     ? QCoreApplication::translate("molvix-lab", "falta un valor")
                     : QCoreApplication::translate("molvix-lab", "«%1» no es un número").arg(text);
        return std::nullopt;
    }
    if (value < min || value > max) {
        *error = QCoreApplication::translate("molvix-lab", "%1 está fuera de %2..%3")
                     .arg(text)
                     .arg(min, 0, 'g', 12)
                     .arg(max, 0, 'g', 12);
        return std::nullopt;
    }
    return value;
}

// The whole help, in the interface's language.
QString helpText()
{
    return QCoreApplication::translate(
        "molvix-lab",
        "Uso: molvix-lab [opciones]\n"
        "\n"
        "Ejecuta el gas de Molvix sin ventanas y escribe lo que ha medido: para cada\n"
        "ejecución una fila de resumen (medias y dispersiones de las tres lecturas, la\n"
        "razón de gas ideal P·V/(N·T) y la distancia de las velocidades a\n"
        "Maxwell–Boltzmann) y, si se pide, la serie de sus lecturas. El gas es el del\n"
        "programa: el mismo inicio, paso, paredes, choques y lecturas, bit a bit.\n"
        "\n"
        "Ajustes (cada uno puede ser un barrido; las ejecuciones son todas las\n"
        "combinaciones):\n"
        "  --particles N        número de partículas, 0..100 (por defecto 50)\n"
        "  --wall W             posición del émbolo, 0..100 (por defecto 100)\n"
        "  --temperature T      ajuste de temperatura, 0..100 (por defecto 20); una\n"
        "                       escala de velocidades, como la barra del panel\n"
        "  --collisions on|off  choques entre partículas (por defecto off); \"on,off\"\n"
        "                       ejecuta ambos\n"
        "\n"
        "El proceso (cada uno puede ser un barrido; cualquiera añade las columnas del\n"
        "proceso):\n"
        "  --piston fixed|moving|loaded\n"
        "                       el émbolo (por defecto fixed): el clásico, uno que se\n"
        "                       mueve hasta --piston-to, o uno con carga\n"
        "  --piston-to W        adonde va el émbolo móvil, 0..100 (por defecto: se\n"
        "                       queda en --wall); empieza en --wall y solo se mueve\n"
        "                       durante los pasos medidos, para que el\n"
        "                       calentamiento equilibre el gas\n"
        "  --piston-speed U     longitudes por unidad de tiempo, 0..1000 (por defecto\n"
        "                       1; el émbolo avanza U x 0.1 en cada paso)\n"
        "  --load P             la presión exterior sobre el émbolo con carga, en las\n"
        "                       unidades de \"Presión\", 0..10000000 (por defecto 0)\n"
        "  --piston-mass M      la masa del émbolo con carga en masas de partícula,\n"
        "                       1..1000000 (por defecto 100); la carga puede ser como\n"
        "                       mucho 500 x la masa\n"
        "  --bath on|off        las cinco paredes fijas son un baño térmico (por\n"
        "                       defecto off); actúa también durante el calentamiento\n"
        "  --bath-temperature T la temperatura del baño en las unidades de\n"
        "                       \"Temperatura\", 0..100 (por defecto: la del gas una\n"
        "                       vez aplicados los ajustes, antes del calentamiento)\n"
        "  Los valores reales se escriben 0.5 o 5e-1; un intervalo 0.1:0.4:0.1 incluye\n"
        "  su final cuando los pasos llegan a él. Se rechaza un ajuste que ninguna\n"
        "  ejecución usaría: --piston-to y --piston-speed necesitan un émbolo móvil,\n"
        "  --load y --piston-mass uno con carga, --bath-temperature el baño activo.\n"
        "\n"
        "Mezclas de dos especies (cada uno puede ser un barrido; cualquiera añade las\n"
        "columnas de la mezcla, y --particles, las de la especie A, admite entonces\n"
        "hasta 500 en total con las de B):\n"
        "  --radius R           radio de la especie A, 0.1..10 (por defecto 1.5)\n"
        "  --b-particles N      partículas de la especie B, 0..500 (por defecto 0)\n"
        "  --b-mass M           masa de la especie B en masas de A, 1..100 (por\n"
        "                       defecto 1)\n"
        "  --b-radius R         radio de la especie B, 0.1..10 (por defecto 1.5)\n"
        "  --divider none|solid|hole\n"
        "                       una pared en medio de x (por defecto none): solid\n"
        "                       separa A (izquierda) de B (derecha) durante el\n"
        "                       calentamiento y se quita al empezar los pasos\n"
        "                       medidos (mix_time cuenta desde ahí); hole empieza\n"
        "                       con ambas especies a la izquierda, que salen por el\n"
        "                       agujero de la pared durante los pasos medidos\n"
        "  --hole LADO          lado del agujero cuadrado de --divider hole, 1..100\n"
        "                       (por defecto 20)\n"
        "  --heavy-mass M       una partícula pesada de masa M en masas de A,\n"
        "                       1..1000, entre las demás (por defecto ninguna); cuenta\n"
        "                       en el total de 500\n"
        "  --heavy-radius R     su radio, 0.1..10 (por defecto 5)\n"
        "  La mezcla coloca las partículas sin solaparse, con velocidades de\n"
        "  Maxwell–Boltzmann a la energía del ajuste de temperatura, y cada par choca\n"
        "  en el instante en que se tocan (a la suma de sus radios) dentro del paso.\n"
        "  Las esferas pueden llenar como mucho el 30 % del volumen (con --divider, de\n"
        "  su mitad). No se combinan con las opciones del proceso.\n"
        "\n"
        "Duración de cada ejecución:\n"
        "  --ticks N            pasos medidos, 1..10000000 (por defecto 50000)\n"
        "  --warmup N           pasos previos a los medidos, cuyas lecturas se\n"
        "                       descartan, 0..100000000 (por defecto 20000)\n"
        "\n"
        "Salida:\n"
        "  --out ARCHIVO        el resumen en ARCHIVO (por defecto: la salida estándar)\n"
        "  --series ARCHIVO     las lecturas de cada ejecución en ARCHIVO\n"
        "  --format csv|json    formato de ambos (por defecto csv)\n"
        "  --threads N          ejecuciones a la vez, 1..1024 (por defecto: los\n"
        "                       núcleos de la máquina, aquí %1)\n"
        "  --lang CÓDIGO        idioma de la ayuda y los mensajes: %2 (por defecto: el\n"
        "                       del sistema si hay traducción; si no, español)\n"
        "  -h, --help           esta ayuda\n"
        "  -v, --version        la versión\n"
        "\n"
        "Barridos:\n"
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
        "  radius, b_particles, b_mass, b_radius\n"
        "                       los ajustes de la mezcla de la ejecución\n"
        "  mean_free_path       el recorrido libre medio lejos de las paredes (a dos\n"
        "                       radios mayores de cada una, y del tabique mientras\n"
        "                       está): la distancia que recorren allí las partículas\n"
        "                       de A y B entre los choques que tienen allí, v̄/z\n"
        "  mean_free_path_theory\n"
        "                       el de las esferas duras a la temperatura medida y la\n"
        "                       densidad medida en esa zona: 1/(√2·n·π·d²·χ) para una\n"
        "                       especie, con el factor de Enskog χ = (1 − η/2)/(1 −\n"
        "                       η)³, η = π·n·d³/6; con dos especies, la fórmula de la\n"
        "                       mezcla\n"
        "  collision_rate       choques por partícula y unidad de tiempo en esa zona\n"
        "  collision_rate_theory\n"
        "                       el de la teoría, v̄/λ (la media de las especies)\n"
        "  diffusion            el coeficiente de difusión de la especie A: la\n"
        "                       pendiente / 6 del desplazamiento cuadrático medio de\n"
        "                       todas sus partículas (las paredes desplegadas como\n"
        "                       espejos) frente al tiempo, desde 10 tiempos entre\n"
        "                       choques\n"
        "  diffusion_theory     el de las esferas duras, 3/(8·n·d²·χ)·√(k·T/(π·m)),\n"
        "                       a la densidad de la caja (N/V) y la temperatura\n"
        "                       medida; con otras especies, la ley de Blanc\n"
        "  heavy_v2             la media de v² de la partícula pesada en los pasos\n"
        "                       medidos\n"
        "  heavy_v2_theory      3·k·T/M, con k·T = 100 × la \"Temperatura\" medida\n"
        "  heavy_mass, heavy_radius\n"
        "                       los ajustes de la partícula pesada\n"
        "  Vacías sin choques, sin partículas o sin partícula pesada.\n"
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
        "  --threads. Un archivo normal se escribe entero o no se escribe: los dos\n"
        "  archivos están completos antes de sustituir ninguno, y si alguno no se\n"
        "  puede escribir ambos conservan lo que tenían. Un FIFO o un dispositivo se\n"
        "  escribe donde está, y también el archivo adonde va la salida estándar\n"
        "  (/dev/stdout, o el destino de una redirección), tras lo que contiene;\n"
        "  --series solo puede nombrarlo con --out en otro sitio. --out y --series\n"
        "  deben nombrar dos archivos (se siguen los enlaces). Una barra de progreso\n"
        "  va a la salida de errores cuando es un terminal.\n"
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
}

} // namespace

std::optional<std::vector<int32_t>> parseSweep(const QString &text, int32_t min, int32_t max,
                                               QString *error)
{
    std::vector<int32_t> values;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QStringList parts = item.split(QLatin1Char(':'));
        if (parts.size() > 3) {
            *error = QCoreApplication::translate(
                         "molvix-lab", "«%1» tiene demasiadas partes: use inicio:fin:paso")
                         .arg(item);
            return std::nullopt;
        }
        std::vector<int64_t> numbers;
        for (qsizetype k = 0; k < parts.size(); ++k) {
            // The step is checked for its sign, not against the range.
            const bool step = k == 2;
            const auto n =
                boundedNumber(parts[k], step ? INT32_MIN : min, step ? INT32_MAX : max, error);
            if (!n) {
                return std::nullopt;
            }
            numbers.push_back(*n);
        }
        if (numbers.size() == 1) {
            values.push_back(static_cast<int32_t>(numbers[0]));
            continue;
        }
        const int64_t start = numbers[0], stop = numbers[1];
        const int64_t step = numbers.size() == 3 ? numbers[2] : 1;
        if (step <= 0) {
            *error =
                QCoreApplication::translate("molvix-lab", "el paso %1 debe ser positivo").arg(step);
            return std::nullopt;
        }
        if (start > stop) {
            *error =
                QCoreApplication::translate("molvix-lab", "«%1» empieza por encima de su final")
                    .arg(item);
            return std::nullopt;
        }
        for (int64_t v = start; v <= stop; v += step) {
            values.push_back(static_cast<int32_t>(v));
        }
    }
    return values;
}

std::optional<std::vector<float>> parseRealSweep(const QString &text, double min, double max,
                                                 QString *error)
{
    std::vector<float> values;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QStringList parts = item.split(QLatin1Char(':'));
        if (parts.size() > 3) {
            *error = QCoreApplication::translate(
                         "molvix-lab", "«%1» tiene demasiadas partes: use inicio:fin:paso")
                         .arg(item);
            return std::nullopt;
        }
        std::vector<double> numbers;
        for (qsizetype k = 0; k < parts.size(); ++k) {
            const bool step = k == 2;
            const auto n = realNumber(parts[k], step ? -HUGE_VAL : min, step ? HUGE_VAL : max, error);
            if (!n) {
                return std::nullopt;
            }
            numbers.push_back(*n);
        }
        if (numbers.size() == 1) {
            values.push_back(static_cast<float>(numbers[0]));
            continue;
        }
        const double start = numbers[0], stop = numbers[1];
        const double step = numbers.size() == 3 ? numbers[2] : 1;
        if (!(step > 0)) {
            *error = QCoreApplication::translate("molvix-lab", "el paso %1 debe ser positivo")
                         .arg(parts.value(2));
            return std::nullopt;
        }
        if (start > stop) {
            *error =
                QCoreApplication::translate("molvix-lab", "«%1» empieza por encima de su final")
                    .arg(item);
            return std::nullopt;
        }
        const double steps = std::floor((stop - start) / step + 1e-6);
        if (steps + values.size() >= kMaxSweepValues) {
            *error = QCoreApplication::translate("molvix-lab", "«%1» tiene más de %2 valores")
                         .arg(item)
                         .arg(kMaxSweepValues);
            return std::nullopt;
        }
        for (int64_t k = 0; k <= static_cast<int64_t>(steps); ++k) {
            values.push_back(static_cast<float>(std::min(stop, start + static_cast<double>(k) * step)));
        }
    }
    return values;
}

void LabOptions::addMixtures(RunSettings r, std::vector<RunSettings> &all) const
{
    r.mixture = mixture;
    for (const float radius : radii) {
        r.radius = radius;
        for (const int32_t b : bCounts) {
            r.bCount = b;
            for (const float mass : bMasses) {
                r.bMass = mass;
                for (const float bRadius : bRadii) {
                    r.bRadius = bRadius;
                    for (const Divider divider : dividers) {
                        r.divider = divider;
                        for (const float side : holeSides) {
                            r.holeSide = side;
                            for (const float heavyMass : heavyMasses) {
                                r.heavyMass = heavyMass;
                                for (const float heavyRadius : heavyRadii) {
                                    r.heavyRadius = heavyRadius;
                                    all.push_back(r);
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}

std::vector<RunSettings> LabOptions::runs() const
{
    std::vector<RunSettings> all;
    RunSettings r;
    r.processColumns = processColumns;
    for (const int32_t count : counts) {
        r.count = count;
        for (const int32_t wall : walls) {
            r.wall = wall;
            for (const int32_t temperature : temperatures) {
                r.temperature = temperature;
                for (const bool on : collisions) {
                    r.collisions = on;
                    for (const PistonMode piston : pistons) {
                        r.piston = piston;
                        for (const auto &to : pistonTargets) {
                            r.pistonTo = to;
                            for (const float speed : pistonSpeeds) {
                                r.pistonSpeed = speed;
                                for (const float load : loads) {
                                    r.load = load;
                                    for (const float mass : pistonMasses) {
                                        r.pistonMass = mass;
                                        for (const bool bath : baths) {
                                            r.bath = bath;
                                            for (const auto &t : bathTemperatures) {
                                                r.bathTemperature = t;
                                                addMixtures(r, all);
                                            }
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    return all;
}

double LabOptions::runCount() const
{
    // Every list runs() walks, the process's included.
    double runs = 1;
    for (const size_t n : {counts.size(), walls.size(), temperatures.size(), collisions.size(),
                           pistons.size(), pistonTargets.size(), pistonSpeeds.size(), loads.size(),
                           pistonMasses.size(), baths.size(), bathTemperatures.size(),
                           radii.size(), bCounts.size(), bMasses.size(), bRadii.size(),
                           dividers.size(), holeSides.size(),
                           heavyMasses.size(), heavyRadii.size()}) {
        runs *= static_cast<double>(n);
    }
    return runs;
}

ParsedCommandLine parseLabCommandLine(const QStringList &arguments, int idealThreads)
{
    ParsedCommandLine result;
    result.options.ticks = kDefaultTicks;
    result.options.warmup = kDefaultWarmup;
    result.options.threads = std::clamp(idealThreads, 1, kMaxThreads);
    const auto fail = [&result](const QString &reason) {
        result.action = ParsedCommandLine::Error;
        result.text = escapedLine(reason);
        return result;
    };

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const auto valued = [](const char *name) {
        return QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"));
    };
    const QList<QCommandLineOption> settings = {valued("particles"),
                                                valued("temperature"),
                                                valued("wall"),
                                                valued("collisions"),
                                                valued("ticks"),
                                                valued("warmup"),
                                                valued("threads"),
                                                valued("out"),
                                                valued("series"),
                                                valued("format"),
                                                valued("piston"),
                                                valued("piston-to"),
                                                valued("piston-speed"),
                                                valued("load"),
                                                valued("piston-mass"),
                                                valued("bath"),
                                                valued("bath-temperature"),
                                                valued("radius"),
                                                valued("b-particles"),
                                                valued("b-mass"),
                                                valued("b-radius"),
                                                valued("divider"),
                                                valued("hole"),
                                                valued("heavy-mass"),
                                                valued("heavy-radius"),
                                                valued("lang")};
    parser.addOption(help);
    parser.addOption(version);
    parser.addOptions(settings);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.front();
            return fail(
                QCoreApplication::translate("molvix-lab",
                                            "opción desconocida «%1%2» (véase --help)")
                    .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        QString reason = parser.errorText();
        if (reason.endsWith(QLatin1Char('.'))) {
            reason.chop(1);
        }
        if (!reason.isEmpty()) {
            reason[0] = reason[0].toLower();
        }
        return fail(reason);
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(
            QCoreApplication::translate("molvix-lab", "argumento inesperado «%1» (véase --help)")
                .arg(parser.positionalArguments().front()));
    }
    if (parser.isSet(help)) {
        result.action = ParsedCommandLine::Help;
        result.text = helpText()
                          .arg(std::clamp(idealThreads, 1, kMaxThreads))
                          .arg(molvix::i18n::availableLanguages().join(u'|'));
        return result;
    }
    if (parser.isSet(version)) {
        result.action = ParsedCommandLine::Version;
        return result;
    }
    for (const QCommandLineOption &option : settings) {
        if (parser.values(option).size() > 1) {
            return fail(QCoreApplication::translate("molvix-lab", "--%1 aparece más de una vez")
                            .arg(option.names().front()));
        }
    }

    LabOptions &o = result.options;
    QString reason;
    // A mixture takes more particles than the classic gas.
    o.mixture = false;
    for (const char *name : {"radius", "b-particles", "b-mass", "b-radius", "divider", "hole",
                             "heavy-mass", "heavy-radius"}) {
        o.mixture = o.mixture || parser.isSet(QLatin1String(name));
    }
    const auto sweep = [&](const char *name, std::vector<int32_t> *into, int32_t max = 100) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option)) {
            return true;
        }
        const QString value = parser.value(option);
        const auto values = parseSweep(value, 0, max, &reason);
        if (!values) {
            reason = QStringLiteral("--%1%2: %3")
                         .arg(option, value.isEmpty() ? QString() : u' ' + value, reason);
            return false;
        }
        *into = *values;
        return true;
    };
    const auto number = [&](const char *name, int64_t min, int64_t max, int64_t *into) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option)) {
            return true;
        }
        const QString value = parser.value(option);
        bool tooLarge = false;
        const std::optional<int64_t> whole = wholeNumber(value, &tooLarge);
        const bool notPositive = min == 1 && whole && *whole < 1;
        const auto n = notPositive ? std::nullopt : boundedNumber(value, min, max, &reason);
        if (!n) {
            if (notPositive) {
                reason =
                    QCoreApplication::translate("molvix-lab", "debe ser positivo (como mucho %1)")
                        .arg(max);
            }
            reason = QStringLiteral("--%1%2: %3")
                         .arg(option, value.isEmpty() ? QString() : u' ' + value, reason);
            return false;
        }
        *into = *n;
        return true;
    };
    int64_t threads = o.threads;
    if (!sweep("particles", &o.counts, o.mixture ? kMixtureMaxCount : MaxPar) ||
        !sweep("b-particles", &o.bCounts, kMixtureMaxCount) || !sweep("wall", &o.walls) ||
        !sweep("temperature", &o.temperatures) || !number("ticks", 1, kMaxTicks, &o.ticks) ||
        !number("warmup", 0, kMaxWarmup, &o.warmup) ||
        !number("threads", 1, kMaxThreads, &threads)) {
        return fail(reason);
    }
    o.threads = static_cast<int>(threads);

    if (parser.isSet(QStringLiteral("collisions"))) {
        const QString value = parser.value(QStringLiteral("collisions"));
        o.collisions.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            if (item != QLatin1String("on") && item != QLatin1String("off")) {
                return fail(QCoreApplication::translate("molvix-lab",
                                                        "--collisions %1: use on, off u on,off")
                                .arg(value));
            }
            o.collisions.push_back(item == QLatin1String("on"));
        }
    }
    const auto real = [&](const char *name, double min, double max, std::vector<float> *into) {
        const QString option = QLatin1String(name);
        if (!parser.isSet(option)) {
            return true;
        }
        const QString value = parser.value(option);
        const auto values = parseRealSweep(value, min, max, &reason);
        if (!values) {
            reason = QStringLiteral("--%1%2: %3")
                         .arg(option, value.isEmpty() ? QString() : u' ' + value, reason);
            return false;
        }
        *into = *values;
        return true;
    };
    const auto optionalReal = [&](const char *name, double min, double max,
                                  std::vector<std::optional<float>> *into) {
        std::vector<float> values;
        if (!real(name, min, max, &values)) {
            return false;
        }
        if (!values.empty()) {
            into->assign(values.begin(), values.end());
        }
        return true;
    };
    if (!optionalReal("piston-to", 0, 100, &o.pistonTargets) ||
        !real("piston-speed", 0, kPistonSpeedMax, &o.pistonSpeeds) ||
        !real("load", 0, kLoadMax, &o.loads) ||
        !real("piston-mass", kPistonMassMin, kPistonMassMax, &o.pistonMasses) ||
        !optionalReal("bath-temperature", 0, kBathTemperatureMax, &o.bathTemperatures) ||
        !real("radius", kRadiusMin, kMixtureRadiusMax, &o.radii) ||
        !real("b-mass", kMixtureMassMin, kMixtureMassMax, &o.bMasses) ||
        !real("b-radius", kRadiusMin, kMixtureRadiusMax, &o.bRadii) ||
        !real("hole", kHoleSideMin, kHoleSideMax, &o.holeSides) ||
        !real("heavy-mass", kHeavyMassMin, kHeavyMassMax, &o.heavyMasses) ||
        !real("heavy-radius", kRadiusMin, kHeavyRadiusMax, &o.heavyRadii)) {
        return fail(reason);
    }
    if (parser.isSet(QStringLiteral("divider"))) {
        const QString value = parser.value(QStringLiteral("divider"));
        o.dividers.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            if (item == QLatin1String("none")) {
                o.dividers.push_back(Divider::None);
            } else if (item == QLatin1String("solid")) {
                o.dividers.push_back(Divider::Solid);
            } else if (item == QLatin1String("hole")) {
                o.dividers.push_back(Divider::Hole);
            } else {
                return fail(QCoreApplication::translate(
                                "molvix-lab", "--divider %1: use none, solid o hole, o una lista")
                                .arg(value));
            }
        }
    }
    if (o.mixture) {
        // Sweeps are products: the largest counts with the largest spheres
        // in the lowest box is one of the runs.
        const int32_t a = *std::max_element(o.counts.begin(), o.counts.end());
        const int32_t b = *std::max_element(o.bCounts.begin(), o.bCounts.end());
        // The heavy particle takes a slot of its own.
        const bool heavy = parser.isSet(QStringLiteral("heavy-mass"));
        if (heavy && a + b + 1 > kMixtureMaxCount) {
            return fail(QCoreApplication::translate("molvix-lab",
                                                    "--particles %1 con --b-particles %2 y la "
                                                    "partícula pesada: como mucho %3 partículas "
                                                    "en total")
                            .arg(a)
                            .arg(b)
                            .arg(kMixtureMaxCount));
        }
        if (a + b > kMixtureMaxCount) {
            return fail(QCoreApplication::translate(
                            "molvix-lab",
                            "--particles %1 con --b-particles %2: como mucho %3 partículas en total")
                            .arg(a)
                            .arg(b)
                            .arg(kMixtureMaxCount));
        }
        const double ra = *std::max_element(o.radii.begin(), o.radii.end());
        const double rb = b > 0 ? *std::max_element(o.bRadii.begin(), o.bRadii.end()) : 0.0;
        const int32_t wall = *std::min_element(o.walls.begin(), o.walls.end());
        const double rh = heavy ? *std::max_element(o.heavyRadii.begin(), o.heavyRadii.end()) : 0.0;
        // The heavy particle starts on the left, with species A.
        const double sphereA = 4.0 / 3.0 * std::numbers::pi * (a * ra * ra * ra + rh * rh * rh);
        const double sphereB = 4.0 / 3.0 * std::numbers::pi * b * rb * rb * rb;
        double spheres = sphereA + sphereB;
        double volume = double(kBoxSize) * kBoxSize * wall;
        // Behind a divider the gas starts in half the box: both species on
        // the left of a hole, each in its own half of a solid one.
        const auto has = [&](Divider d) {
            return std::find(o.dividers.begin(), o.dividers.end(), d) != o.dividers.end();
        };
        if (has(Divider::Hole) || has(Divider::Solid)) {
            volume /= 2;
            spheres = has(Divider::Hole) ? spheres : std::max(sphereA, sphereB);
        }
        if (spheres > kMaxPacking * volume) {
            const bool half = has(Divider::Hole) || has(Divider::Solid);
            return fail((half ? QCoreApplication::translate(
                                    "molvix-lab",
                                    "las esferas llenarían el %1 % de su mitad de la caja con "
                                    "--wall %2 y --divider; una mezcla admite como mucho el %3 %")
                              : QCoreApplication::translate(
                                    "molvix-lab", "las esferas llenarían el %1 % del volumen con "
                                                  "--wall %2; una mezcla admite como mucho el %3 %"))
                            .arg(volume > 0 ? QString::number(100 * spheres / volume, 'g', 3)
                                            : QStringLiteral("∞"))
                            .arg(wall)
                            .arg(100 * kMaxPacking));
        }
    }
    if (parser.isSet(QStringLiteral("piston"))) {
        const QString value = parser.value(QStringLiteral("piston"));
        o.pistons.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            if (item == QLatin1String("fixed")) {
                o.pistons.push_back(PistonMode::Fixed);
            } else if (item == QLatin1String("moving")) {
                o.pistons.push_back(PistonMode::Moving);
            } else if (item == QLatin1String("loaded")) {
                o.pistons.push_back(PistonMode::Loaded);
            } else {
                return fail(
                    QCoreApplication::translate(
                        "molvix-lab", "--piston %1: use fixed, moving o loaded, o una lista")
                        .arg(value));
            }
        }
    }
    const auto has = [](const auto &list, auto value) {
        return std::find(list.begin(), list.end(), value) != list.end();
    };
    const bool moving = has(o.pistons, PistonMode::Moving);
    const bool loaded = has(o.pistons, PistonMode::Loaded);
    if (loaded) {
        // A light piston under a heavy load falls through the gas between
        // impacts: such a run would measure the tick, not the gas.
        for (const float load : o.loads) {
            for (const float mass : o.pistonMasses) {
                if (load > kLoadPerMassMax * mass) {
                    return fail(QCoreApplication::translate(
                                    "molvix-lab", "--load %1 con --piston-mass %2: la carga "
                                                  "puede ser como mucho %3 x la masa del émbolo")
                                    .arg(QString::fromStdString(floatText(load)),
                                         QString::fromStdString(floatText(mass)))
                                    .arg(kLoadPerMassMax));
                }
            }
        }
    }
    if (parser.isSet(QStringLiteral("bath"))) {
        const QString value = parser.value(QStringLiteral("bath"));
        o.baths.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            if (item != QLatin1String("on") && item != QLatin1String("off")) {
                return fail(
                    QCoreApplication::translate("molvix-lab", "--bath %1: use on, off u on,off")
                        .arg(value));
            }
            o.baths.push_back(item == QLatin1String("on"));
        }
    }
    for (const char *name : {"piston", "piston-to", "piston-speed", "load", "piston-mass", "bath",
                             "bath-temperature"}) {
        o.processColumns = o.processColumns || parser.isSet(QLatin1String(name));
    }
    // The piston's impacts and the bath's draws take every particle to
    // have unit mass: with a heavier species B they would be wrong.
    if (o.mixture && o.processColumns) {
        return fail(QCoreApplication::translate(
            "molvix-lab", "las opciones de la mezcla no se combinan con las del proceso"));
    }
    // A setting that no run of the sweep uses is a slip to point out, not a
    // value to echo in every row.
    const struct
    {
        const char *option;
        bool used;
        const char *needs;
    } uses[] = {
        {"piston-to", moving, "--piston moving"},  {"piston-speed", moving, "--piston moving"},
        {"load", loaded, "--piston loaded"},       {"piston-mass", loaded, "--piston loaded"},
        {"bath-temperature", has(o.baths, true), "--bath on"},
        {"b-mass", std::any_of(o.bCounts.begin(), o.bCounts.end(), [](int32_t n) { return n > 0; }),
         "--b-particles"},
        {"b-radius", std::any_of(o.bCounts.begin(), o.bCounts.end(), [](int32_t n) { return n > 0; }),
         "--b-particles"},
        {"hole", has(o.dividers, Divider::Hole), "--divider hole"},
        {"heavy-radius", parser.isSet(QStringLiteral("heavy-mass")), "--heavy-mass"},
    };
    for (const auto &u : uses) {
        if (!u.used && parser.isSet(QLatin1String(u.option))) {
            return fail(
                QCoreApplication::translate(
                    "molvix-lab", "--%1 necesita %2: ninguna ejecución del barrido lo usaría")
                    .arg(QLatin1String(u.option), QLatin1String(u.needs)));
        }
    }
    if (parser.isSet(QStringLiteral("format"))) {
        const QString value = parser.value(QStringLiteral("format"));
        if (value == QLatin1String("csv")) {
            o.format = OutputFormat::Csv;
        } else if (value == QLatin1String("json")) {
            o.format = OutputFormat::Json;
        } else {
            return fail(QCoreApplication::translate("molvix-lab", "--format %1: use csv o json")
                            .arg(value));
        }
    }
    o.out = parser.value(QStringLiteral("out"));
    o.series = parser.value(QStringLiteral("series"));
    if (parser.isSet(QStringLiteral("out")) && o.out.isEmpty()) {
        return fail(
            QCoreApplication::translate("molvix-lab", "--out necesita un nombre de archivo"));
    }
    if (parser.isSet(QStringLiteral("series")) && o.series.isEmpty()) {
        return fail(
            QCoreApplication::translate("molvix-lab", "--series necesita un nombre de archivo"));
    }
    if (!o.out.isEmpty() && !o.series.isEmpty() && sameFile(o.out, o.series)) {
        return fail(
            QCoreApplication::translate("molvix-lab", "--out y --series nombran el mismo archivo"));
    }
    if (o.out.isEmpty() && !o.series.isEmpty() && isStandardOutput(o.series)) {
        return fail(QCoreApplication::translate("molvix-lab",
                                                "--series nombra la salida estándar, adonde va el "
                                                "resumen; nombre un archivo para él con --out"));
    }
    result.action = ParsedCommandLine::Run;
    return result;
}
