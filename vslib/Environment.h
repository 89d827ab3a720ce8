// The library's settings, read from the environment at every call so that a
// test or a demonstration can change them between runs without rebuilding.
#ifndef TELLAN_VSLIB_ENVIRONMENT_H
#define TELLAN_VSLIB_ENVIRONMENT_H

#include <cstdint>
#include <optional>
#include <string>

namespace vslib {

// The variable's value when it is set and non-empty.
std::optional<std::string> TextSetting(const char* name);

// The variable's value when it is a signed decimal 32-bit integer, with
// nothing before or after it; any other value counts as unset.
std::optional<int32_t> IntegerSetting(const char* name);

}  // namespace vslib

#endif
