#pragma once

#include <cstddef>
#include <string>

namespace corvanti {

// What is wrong with a profile's text, and where: the line and column (from 1) and the dotted
// name of the field ("mode_a.button3.key"; empty for a fault of the TOML itself).
struct ProfileTextError {
    std::size_t line = 0;
    std::size_t column = 0;
    std::string field;
    std::string message;

    // "line 3, column 9: mode_a.button3.key: \"Esc2\" is not a key name".
    std::string Describe() const;
};

}  // namespace corvanti
