// The stand-in service writes each file of a transfer under a temporary name in the
// file's folder (".corvane-XXXXXX.part") until it is whole.
#pragma once

#include <cstddef>
#include <string>

namespace corvtest {

// How many such files the folder holds (0 when there is no folder).
size_t transferPartsIn(const std::string& folder);

}  // namespace corvtest
