#include "labnumbers.h"

#include "laboptions.h"

#include <QCoreApplication>
#include <QStringList>

#include <charconv>
#include <cmath>

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
            const auto n =
                realNumber(parts[k], step ? -HUGE_VAL : min, step ? HUGE_VAL : max, error);
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
