// Reads a test fixture as raw bytes.
#pragma once

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace ruvelka {

inline std::string ReadFixture(const std::string& relativePath) {
    std::ifstream in(std::string(RUVELKA_FIXTURES_DIR) + "/" + relativePath, std::ios::binary);
    if (!in) throw std::runtime_error("missing fixture " + relativePath);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace ruvelka
