#pragma once

#include <string>

#include "TestBuild.h"

namespace velmora::test {

// TestBuild.h names what the tests need (fixtures, assets, the programs under test) relative
// to the folder of the test program, so that no checkout's own path is compiled in and another
// clone of the same sources reuses the compiler cache. This gives the full path.
std::string besideTestProgram(const std::string& relative);

}  // namespace velmora::test
