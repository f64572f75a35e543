#pragma once

#include "fatalerror.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>

// What the object stores of both scene views share: slots numbered from 1,
// fixed-size text fields, and the trace ring every moved particle feeds.
namespace molvix::store {

// Copies at most maxChars of text into a field of fieldSize bytes, always
// terminated, the rest zeroed; a null text empties the field.
inline void copyText(char *field, size_t fieldSize, const char *text, size_t maxChars)
{
    const size_t limit = std::min(maxChars, fieldSize - 1);
    size_t length = 0;
    if (text != nullptr) {
        length = strnlen(text, limit);
        std::memcpy(field, text, length);
    }
    std::memset(field + length, 0, fieldSize - length);
}

// A store of n objects, slots 1..n (slot 0 is never used), each a copy of
// record. No memory for it is a fatal error, reported under caption.
template <typename Store>
Store allocateStore(const char *caption, int32_t n, const typename Store::value_type &record,
                    const char *function, const char *message)
{
    // A negative count creates the single unreachable slot of n = 0.
    const int64_t slotCount = static_cast<int64_t>(std::max(n, 0)) + 1;
    try {
        return Store(static_cast<size_t>(slotCount), record);
    } catch (const std::bad_alloc &) {
        reportFatalError(caption, function, message);
    } catch (const std::length_error &) {
        reportFatalError(caption, function, message);
    }
}

// The entry a trace's next sample goes to, or -1 when this move is not
// sampled (only every Interval-th is). A sliding trace shifts every column
// one entry down first, so that the newest sample is always the last entry;
// a ring trace overwrites the oldest.
template <typename Trace, typename... Columns>
int32_t nextTraceEntry(Trace &t, bool sliding, Columns &...columns)
{
    if (t.SampleCount % t.Interval != 0) {
        ++t.SampleCount;
        return -1;
    }
    t.SampleCount = 1;
    const int32_t k = t.WriteCount % t.TraceLength;
    if (k == 0) {
        t.WriteCount = 0;
    }
    ++t.WriteCount;
    if (!sliding) {
        return k;
    }
    const int32_t m = t.TraceLength;
    (std::copy(columns.begin() + 1, columns.begin() + m + 1, columns.begin()), ...);
    return m;
}

} // namespace molvix::store
