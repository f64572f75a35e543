// The typed particle count's conversion against a plain reference of the
// classic rules, on every text the fuzzer makes: both must agree on whether
// the text is a number and, if it is, on its value.
#include "strtoint.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

bool isDigit(char16_t c, int base)
{
    if (c >= u'0' && c <= u'9') {
        return true;
    }
    return base == 16 && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'));
}

uint32_t digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    return (c | 0x20) - u'a' + 10;
}

// Written from the rules, not from the code under test: trim, sign, prefix,
// then the digits as a whole (leading zeros dropped, length bounds the
// range before any arithmetic).
std::optional<int32_t> reference(std::u16string text)
{
    const size_t start = text.find_first_not_of(u" \t");
    text.erase(0, start == std::u16string::npos ? text.size() : start);
    bool negative = false;
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        text.erase(0, 1);
    }
    int base = 10;
    for (const std::u16string prefix : {u"0x", u"0X", u"$", u"x", u"X"}) {
        if (text.starts_with(prefix)) {
            base = 16;
            text.erase(0, prefix.size());
            break;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (char16_t c : text) {
        if (!isDigit(c, base)) {
            return std::nullopt;
        }
    }
    const size_t firstSignificant = text.find_first_not_of(u'0');
    const std::u16string digits =
        firstSignificant == std::u16string::npos ? std::u16string() : text.substr(firstSignificant);
    if (base == 16) {
        if (digits.size() > 8) {
            return std::nullopt;
        }
        uint32_t bits = 0;
        for (char16_t c : digits) {
            bits = bits * 16 + digitValue(c);
        }
        // A 32-bit pattern; the sign negates it modulo 2^32.
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    if (digits.size() > 10) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char16_t c : digits) {
        value = value * 10 + digitValue(c);
    }
    if (negative) {
        if (value > 2147483648ull) {
            return std::nullopt;
        }
        return static_cast<int32_t>(-static_cast<int64_t>(value));
    }
    if (value > 2147483647ull) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

[[noreturn]] void mismatch(const QString &text, std::optional<int32_t> got,
                           std::optional<int32_t> expected)
{
    std::fprintf(stderr, "StrToInt(\"%s\") gave %s, the rules give %s\n",
                 text.toUtf8().constData(),
                 got ? std::to_string(*got).c_str() : "no number",
                 expected ? std::to_string(*expected).c_str() : "no number");
    std::abort();
}

void check(const QString &text)
{
    const std::optional<int32_t> got = molvix::StrToInt(text);
    const std::optional<int32_t> expected = reference(text.toStdU16String());
    if (got != expected) {
        mismatch(text, got, expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Byte for character, so every byte the fuzzer tries is a character of
    // the text (Latin-1 covers the blanks, signs, prefixes and digits).
    const QString latin1 = QString::fromLatin1(reinterpret_cast<const char *>(data),
                                               static_cast<qsizetype>(size));
    check(latin1);
    // The same bytes as UTF-8: wider characters (fullwidth digits, NUL,
    // surrogates) must be rejected by both.
    check(QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    // Every int32 printed in decimal and in hexadecimal reads back as itself.
    if (size >= 4) {
        int32_t value;
        std::memcpy(&value, data, sizeof value);
        const std::optional<int32_t> decimal = molvix::StrToInt(QString::number(value));
        const std::optional<int32_t> hex = molvix::StrToInt(
            QStringLiteral("$") + QString::number(static_cast<uint32_t>(value), 16).toUpper());
        if (decimal != value) {
            mismatch(QString::number(value), decimal, value);
        }
        if (hex != value) {
            mismatch(QString::number(static_cast<uint32_t>(value), 16), hex, value);
        }
    }
    return 0;
}
