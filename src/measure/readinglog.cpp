#include "readinglog.h"

#include "model.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <type_traits>

// A reading's time column is its tick / kTicksPerTimeUnit, which tickTime
// writes exactly as tenths.
static_assert(kTicksPerTimeUnit == 10, "tickTime writes tenths");

namespace {

bool sameSettings(const GasReading &a, const GasReading &b)
{
    return a.count == b.count && a.wall == b.wall && a.tempSetting == b.tempSetting &&
           a.collisions == b.collisions;
}

// A number that is the whole of the field, as std::from_chars reads it: an
// optional minus, no blank, no plus, no hexadecimal.
template <typename Number> bool toNumber(std::string_view field, Number *out)
{
    if (field.empty()) {
        return false;
    }
    const char *const end = field.data() + field.size();
    if constexpr (std::is_integral_v<Number>) {
        const auto [ptr, ec] = std::from_chars(field.data(), end, *out);
        return ec == std::errc() && ptr == end;
    } else {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
        const auto [ptr, ec] = std::from_chars(field.data(), end, *out);
        return ec == std::errc() && ptr == end;
#else
        // A standard library without floating-point from_chars (libc++ 14,
        // the WebAssembly build's): the C library's strtof/strtod, correctly
        // rounded there too, on the text from_chars would accept. Its locale
        // is always "C" in that build.
        const std::string_view digits = field.substr(field.front() == '-' ? 1 : 0);
        if (digits.empty() || digits.front() == '+' || digits.front() == '-' ||
            std::isspace(static_cast<unsigned char>(digits.front())) ||
            (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))) {
            return false;
        }
        const std::string text(digits); // strtod reads up to a NUL; the sign is ours
        char *stop = nullptr;
        errno = 0;
        Number value;
        if constexpr (std::is_same_v<Number, float>) {
            value = std::strtof(text.c_str(), &stop);
        } else {
            value = std::strtod(text.c_str(), &stop);
        }
        // Out of range as from_chars has it: beyond the largest, or below the
        // smallest subnormal (rounded to 0).
        if (stop != text.c_str() + text.size() ||
            (errno == ERANGE && (std::isinf(value) || value == 0))) {
            return false;
        }
        *out = field.front() == '-' ? -value : value; // "-nan" too, as from_chars has it
        return true;
#endif
    }
}

// A reading reads back as the float it was written from.
bool toFloat(std::string_view field, double *out)
{
    float value = 0;
    if (!toNumber(field, &value)) {
        return false;
    }
    *out = value;
    return true;
}

std::string whole(int64_t value)
{
    return std::to_string(value);
}

// The header and a row in the plain dialect.
std::string header()
{
    std::string line;
    for (const ReadingColumn &c : readingColumns()) {
        line += (line.empty() ? "" : ",") + std::string(c.name);
    }
    return line;
}

std::string row(const GasReading &r)
{
    std::string line;
    for (const ReadingColumn &c : readingColumns()) {
        if (&c != &readingColumns().front()) {
            line += ',';
        }
        line += c.text(r);
    }
    return line;
}

// The lines of a text, split at each newline ("a\n" is "a" and "").
std::vector<std::string_view> split(std::string_view text, char at)
{
    std::vector<std::string_view> parts;
    for (size_t from = 0;;) {
        const size_t to = text.find(at, from);
        if (to == std::string_view::npos) {
            parts.push_back(text.substr(from));
            return parts;
        }
        parts.push_back(text.substr(from, to - from));
        from = to + 1;
    }
}

} // namespace

bool zeroTemperature(double temperature, double scale)
{
    return !(temperature > std::numeric_limits<float>::epsilon() * std::max(scale, 0.0));
}

std::optional<double> idealGasRatio(const GasReading &r, double temperatureScale)
{
    if (r.count <= 0 || r.wall <= 0 || zeroTemperature(r.temperature, temperatureScale)) {
        return std::nullopt;
    }
    return r.pressure * r.wall / (2000.0 * r.count * r.temperature);
}

Stats statsOf(const std::vector<double> &values)
{
    Stats s;
    s.n = static_cast<int>(values.size());
    if (s.n == 0) {
        return s;
    }
    // Equal values: their own value and no spread, free of the rounding of
    // the sum and the quotient.
    if (std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); })) {
        s.mean = values.front();
        return s;
    }
    double sum = 0;
    for (const double v : values) {
        sum += v;
    }
    s.mean = sum / s.n;
    double sq = 0;
    for (const double v : values) {
        sq += (v - s.mean) * (v - s.mean);
    }
    s.spread = std::sqrt(sq / (s.n - 1));
    return s;
}

void ReadingLog::append(const GasReading &r)
{
    // The log keeps every reading. Room for the first 65 536 (three hours of
    // animation) is taken at once, so that it grows by the readings written
    // alone, not by a copy of itself at every doubling: pages not yet written
    // hold no memory.
    constexpr size_t kReservedReadings = size_t{1} << 16;
    if (m_readings.capacity() == 0) {
        m_readings.reserve(kReservedReadings);
    }
    if (!m_readings.empty() && (m_changePending || !sameSettings(m_readings.back(), r))) {
        const size_t at = m_readings.size();
        if (m_changes.empty() || at - m_lastChange > 1) {
            m_changes.push_back(at);
        }
        m_lastChange = at;
    }
    m_changePending = false;
    m_temperatureScale = std::max(m_temperatureScale, r.temperature);
    m_readings.push_back(r);
}

void ReadingLog::clear()
{
    m_readings.clear();
    m_changes.clear();
    m_lastChange = 0;
    m_changePending = false;
}

size_t ReadingLog::stretchFirst() const
{
    return m_changes.empty() ? 0 : m_lastChange + 1;
}

Stats ReadingLog::sinceChange(double GasReading::*field) const
{
    std::vector<double> values;
    for (size_t i = stretchFirst(); i < m_readings.size(); ++i) {
        values.push_back(m_readings[i].*field);
    }
    return statsOf(values);
}

bool ReadingLog::zeroTemperature(double temperature) const
{
    return ::zeroTemperature(temperature, m_temperatureScale);
}

Stats ReadingLog::idealGasRatioSinceChange() const
{
    const size_t first = stretchFirst();
    std::vector<double> ratios;
    for (size_t i = first; i < m_readings.size(); ++i) {
        if (const auto ratio = idealGasRatio(m_readings[i], m_temperatureScale)) {
            ratios.push_back(*ratio);
        }
    }
    return statsOf(ratios);
}

RatioState ReadingLog::ratioState() const
{
    if (m_readings.empty()) {
        return RatioState::NoReadings;
    }
    if (idealGasRatioSinceChange().n > 0) {
        return RatioState::Shown;
    }
    const GasReading &last = m_readings.back();
    return last.count <= 0                     ? RatioState::NoParticles
           : last.wall <= 0                    ? RatioState::NoVolume
           : zeroTemperature(last.temperature) ? RatioState::ZeroTemperature
                                               : RatioState::Waiting;
}

History ReadingLog::history(double GasReading::*field) const
{
    const std::vector<GasReading> &all = m_readings;
    History h;
    h.first = all.size() > kHistoryReadings ? all.size() - kHistoryReadings : 0;
    const size_t perPoint =
        std::max<size_t>(1, (all.size() - h.first + kHistoryPoints - 1) / kHistoryPoints);
    h.lowest = h.first < all.size() ? all[h.first].*field : 0;
    h.highest = h.lowest;
    double sum = 0;
    size_t summed = 0;
    const auto flush = [&](double time) {
        if (summed > 0) {
            h.points.push_back({time, sum / static_cast<double>(summed)});
        }
        sum = 0;
        summed = 0;
    };
    auto nextChange = std::upper_bound(m_changes.begin(), m_changes.end(), h.first);
    for (size_t i = h.first; i < all.size(); ++i) {
        if (nextChange != m_changes.end() && *nextChange == i) {
            flush(all[i - 1].time);
            h.marks.push_back((all[i - 1].time + all[i].time) / 2.0);
            ++nextChange;
        }
        sum += all[i].*field;
        ++summed;
        h.lowest = std::min(h.lowest, all[i].*field);
        h.highest = std::max(h.highest, all[i].*field);
        if ((all.size() - 1 - i) % perPoint == 0) {
            flush(all[i].time);
        }
    }
    return h;
}

const std::vector<ReadingColumn> &readingColumns()
{
    static const std::vector<ReadingColumn> columns = {
        {"tick", false, [](const GasReading &r) { return whole(r.tick); },
         [](std::string_view t, GasReading *r) { return toNumber(t, &r->tick); }},
        {"time", false, [](const GasReading &r) { return tickTime(r.tick); },
         [](std::string_view t, GasReading *r) { return toNumber(t, &r->time); }},
        {"count", true, [](const GasReading &r) { return whole(r.count); },
         [](std::string_view t, GasReading *r) { return toNumber(t, &r->count); }},
        {"wall", true, [](const GasReading &r) { return whole(r.wall); },
         [](std::string_view t, GasReading *r) { return toNumber(t, &r->wall); }},
        {"temperature_setting", true, [](const GasReading &r) { return whole(r.tempSetting); },
         [](std::string_view t, GasReading *r) { return toNumber(t, &r->tempSetting); }},
        {"collisions", true,
         [](const GasReading &r) { return std::string(r.collisions ? "on" : "off"); },
         [](std::string_view t, GasReading *r) {
             r->collisions = t == "on";
             return t == "on" || t == "off";
         }},
        {"pressure", false, [](const GasReading &r) { return floatText(r.pressure); },
         [](std::string_view t, GasReading *r) { return toFloat(t, &r->pressure); }},
        {"temperature", false, [](const GasReading &r) { return floatText(r.temperature); },
         [](std::string_view t, GasReading *r) { return toFloat(t, &r->temperature); }},
        {"energy", false, [](const GasReading &r) { return floatText(r.energy); },
         [](std::string_view t, GasReading *r) { return toFloat(t, &r->energy); }},
    };
    return columns;
}

std::string floatText(double value)
{
    if (value == 0) {
        return "0";
    }
    if (std::isnan(value)) { // libc++ writes the sign bit's as "-nan(ind)"
        return std::signbit(value) ? "-nan" : "nan";
    }
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, static_cast<float>(value));
    return ec == std::errc() ? std::string(text, end) : std::string("nan");
}

namespace {

// The hundredths a value rounds to, as the windows print it: a tie (a value
// exactly halfway, some odd multiple of 1/8) goes away from zero, where
// to_chars would go to the even neighbour.
std::string hundredths(double value)
{
    const double eighths = value * 8;
    if (std::fabs(eighths) < 0x1p53 && std::fmod(eighths, 2) != 0 &&
        std::trunc(eighths) == eighths) {
        // One step past the tie rounds away from zero: the next point where
        // the hundredths change is half a hundredth further.
        value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
    }
    char text[400]; // DBL_MAX has 309 digits before the point
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

} // namespace

std::string measuredText(double value)
{
    const std::string single = floatText(value);
    if (!std::isfinite(value) || value == 0) {
        return single;
    }
    const float asFloat = static_cast<float>(value);
    const std::string shown = hundredths(value);
    const auto fits = [&](const std::string &text) {
        double back = 0;
        return toNumber(std::string_view(text), &back) && static_cast<float>(back) == asFloat &&
               hundredths(back) == shown;
    };
    if (fits(single)) {
        return single;
    }
    // More digits until the hundredths come out too; 17 read back exactly.
    for (int digits = 9;; ++digits) {
        char text[32];
        const auto [end, ec] =
            std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
        const std::string candidate(text, end);
        if (ec == std::errc() && (digits >= 17 || fits(candidate))) {
            return candidate;
        }
    }
}

std::string tickTime(int64_t tick)
{
    // tick / 10 with its one decimal, worked in whole numbers: no rounding.
    const int64_t tenths = tick % 10;
    std::string text = (tick < 0 && tick > -10 ? "-" : "") + whole(tick / 10);
    if (tenths != 0) {
        text += '.' + std::to_string(tenths < 0 ? -tenths : tenths);
    }
    return text;
}

std::string readingsCsv(const std::vector<GasReading> &readings, CsvDialect dialect)
{
    std::string csv = header() + '\n';
    for (const GasReading &r : readings) {
        csv += row(r) + '\n';
    }
    return inDialect(std::move(csv), dialect);
}

std::string inDialect(std::string csv, CsvDialect dialect)
{
    if (dialect == CsvDialect::Spreadsheet) {
        for (char &c : csv) {
            c = c == ',' ? ';' : c == '.' ? ',' : c;
        }
    }
    return csv;
}

bool parseReadingsCsv(std::string_view csv, std::vector<GasReading> *out, std::string *error,
                      CsvDialect dialect)
{
    std::string text(csv);
    if (dialect == CsvDialect::Spreadsheet) {
        if (text.find('.') != std::string::npos) {
            *error = "not a spreadsheet readings file: a decimal point";
            return false;
        }
        for (char &c : text) {
            c = c == ',' ? '.' : c == ';' ? ',' : c;
        }
    }
    const std::vector<std::string_view> lines = split(text, '\n');
    if (lines.front() != header()) {
        *error = "not a readings file: the header row is missing";
        return false;
    }
    const std::vector<ReadingColumn> &columns = readingColumns();
    std::vector<GasReading> readings;
    for (size_t n = 1; n < lines.size(); ++n) {
        if (lines[n].empty() && n == lines.size() - 1) {
            break; // the newline that ends the last row
        }
        const std::vector<std::string_view> f = split(lines[n], ',');
        GasReading r;
        bool ok = f.size() == columns.size();
        for (size_t k = 0; ok && k < columns.size(); ++k) {
            ok = columns[k].read(f[k], &r);
        }
        if (!ok) {
            *error = "row " + std::to_string(n + 1) + " is not a reading";
            return false;
        }
        readings.push_back(r);
    }
    *out = std::move(readings);
    return true;
}
