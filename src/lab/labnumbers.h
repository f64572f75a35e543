#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The numbers of molvix-lab's command line: whole and real numbers within
// limits, and sweeps of them. Every failure sets *error to one line that
// says why, in the interface's language.

// A whole number in plain decimal (an optional minus sign, then digits).
// Out of the 64-bit range counts as a number far outside any limit.
std::optional<int64_t> wholeNumber(const QString &text, bool *tooLarge);

// One number of a sweep or a count option, within min..max.
std::optional<int64_t> boundedNumber(const QString &text, int64_t min, int64_t max, QString *error);

// A sweep of whole numbers, each within min..max: a value ("50"), a range
// with a positive step ("20:100:10", stop included when the steps reach it;
// "20:30" steps by 1), or a comma-separated list of these ("10,50,100"),
// taken in the order written. None, with *error set, on anything else.
std::optional<std::vector<int32_t>> parseSweep(const QString &text, int32_t min, int32_t max,
                                               QString *error);

// The same for real numbers: "0.5", "0.1:0.4:0.1" (stop included when the
// steps reach it, to a part in a million of the step), "1,2.5", in C-locale
// decimal or exponent notation.
std::optional<std::vector<float>> parseRealSweep(const QString &text, double min, double max,
                                                 QString *error);

// A limit as the messages and the help write it: 0, 0.1, 10000000.
QString limitText(double limit);
