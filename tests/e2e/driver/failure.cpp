#include "failure.h"

namespace driver {

void Mismatch(const std::string& expected, const std::string& found) {
    throw Failure{"expected " + expected + ", found " + found};
}

void Fail(const std::string& message) { throw Failure{message}; }

}  // namespace driver
