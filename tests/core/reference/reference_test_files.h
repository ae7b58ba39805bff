// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue extracts of tests/data/reference, read whole.
#include <fstream>
#include <sstream>
#include <string>

namespace ardeno {

inline std::string ReferenceTestPath(const std::string& name) {
  return std::string(ARDENO_TEST_DATA) + "/reference/" + name;
}

inline std::string ReadReferenceTestFile(const std::string& name) {
  std::ifstream in(ReferenceTestPath(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace ardeno
