#pragma once

#include <string>
#include <string_view>

namespace molvix::test {

// The stderr text that a fatal report prints under the test main, as an
// exact regular expression for EXPECT_EXIT.
inline std::string fatalPattern(const std::string &caption, const std::string &function,
                                const std::string &message)
{
    const std::string text = "[" + caption + "]\nError in function " + function + "\n" + message;
    std::string pattern;
    for (char c : text) {
        if (std::string_view(".[]()*+?{}|^$\\").find(c) != std::string_view::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

} // namespace molvix::test
