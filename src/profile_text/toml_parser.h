#pragma once

// toml++ as the text form uses it: header-only, parse errors handed back as values (nothing
// here throws), and without its writers, which the text form does not need.
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>
