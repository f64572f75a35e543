#include "labnumbers.h"

#include "laboptions.h"

#include <QCoreApplication>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <type_traits>

namespace {

QString outsideText(const QString &value, int64_t min, int64_t max)
{
    return QCoreApplication::translate("molvix-lab", "%1 está fuera de %2..%3")
        .arg(value)
        .arg(min)
        .arg(max);
}

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

// One item of a sweep: a value, or a range start:stop:step (start:stop
// steps by 1) whose step is positive and whose start is not above its stop.
template <typename Number> struct SweepItem
{
    Number start, stop, step;
    bool range; // false: the value `start` alone
};

// `read(part, isStep)` reads each number, setting *error when it cannot.
template <typename Number, typename Read>
std::optional<SweepItem<Number>> sweepItem(const QString &item, const Read &read, QString *error)
{
    const QStringList parts = item.split(QLatin1Char(':'));
    if (parts.size() > 3) {
        *error = QCoreApplication::translate("molvix-lab",
                                             "«%1» tiene demasiadas partes: use inicio:fin:paso")
                     .arg(item);
        return std::nullopt;
    }
    std::vector<Number> numbers;
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const auto n = read(parts[k], k == 2);
        if (!n) {
            return std::nullopt;
        }
        numbers.push_back(*n);
    }
    if (numbers.size() == 1) {
        return SweepItem<Number>{numbers[0], numbers[0], 1, false};
    }
    const SweepItem<Number> range{numbers[0], numbers[1], numbers.size() == 3 ? numbers[2] : 1,
                                  true};
    if (!(range.step > 0)) {
        // A whole step as read, a real one as written.
        *error =
            QCoreApplication::translate("molvix-lab", "el paso %1 debe ser positivo")
                .arg(std::is_integral_v<Number> ? QString::number(range.step) : parts.value(2));
        return std::nullopt;
    }
    if (range.start > range.stop) {
        *error = QCoreApplication::translate("molvix-lab", "«%1» empieza por encima de su final")
                     .arg(item);
        return std::nullopt;
    }
    return range;
}

} // namespace

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

std::optional<std::vector<int32_t>> parseSweep(const QString &text, int32_t min, int32_t max,
                                               QString *error)
{
    // The step is checked for its sign, not against the range.
    const auto read = [&](const QString &part, bool step) {
        return boundedNumber(part, step ? INT32_MIN : min, step ? INT32_MAX : max, error);
    };
    std::vector<int32_t> values;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const auto range = sweepItem<int64_t>(item, read, error);
        if (!range) {
            return std::nullopt;
        }
        for (int64_t v = range->start; v <= range->stop; v += range->step) {
            values.push_back(static_cast<int32_t>(v));
        }
    }
    return values;
}

std::optional<std::vector<float>> parseRealSweep(const QString &text, double min, double max,
                                                 QString *error)
{
    const auto read = [&](const QString &part, bool step) {
        return realNumber(part, step ? -HUGE_VAL : min, step ? HUGE_VAL : max, error);
    };
    std::vector<float> values;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const auto range = sweepItem<double>(item, read, error);
        if (!range) {
            return std::nullopt;
        }
        if (!range->range) {
            values.push_back(static_cast<float>(range->start));
            continue;
        }
        const double start = range->start, stop = range->stop, step = range->step;
        const double steps = std::floor((stop - start) / step + 1e-6);
        if (steps + values.size() >= kMaxSweepValues) {
            *error = QCoreApplication::translate("molvix-lab", "«%1» tiene más de %2 valores")
                         .arg(item)
                         .arg(kMaxSweepValues);
            return std::nullopt;
        }
        for (int64_t k = 0; k <= static_cast<int64_t>(steps); ++k) {
            values.push_back(
                static_cast<float>(std::min(stop, start + static_cast<double>(k) * step)));
        }
    }
    return values;
}

QString limitText(double limit)
{
    return QString::number(limit, 'g', 12);
}
