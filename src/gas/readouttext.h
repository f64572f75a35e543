#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The readouts' texts: the patterns the control panel writes the gas's
// numbers with. Plain text, so that whatever shows a readout writes it the
// same way.
namespace molvix::readout {

inline std::string formatted(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

inline std::string energyText(double energy)
{
    return formatted("%3.0f", energy);
}

// An empty gas has no temperature: its readout says so in words.
inline std::string temperatureText(double temperature, bool emptyGas)
{
    return formatted(emptyGas ? "Temperatura = %3.2f" : "%3.2f", temperature);
}

inline std::string pressureText(double pressure)
{
    return formatted("%5.0f", pressure);
}

inline std::string wallText(int32_t position)
{
    return std::to_string(position);
}

} // namespace molvix::readout
