// A failed expectation or step: what was expected and what was found.
#pragma once

#include <string>

namespace driver {

struct Failure {
    std::string message;  // UTF-8
};

// Throws a Failure "expected <expected>, found <found>" (both UTF-8).
[[noreturn]] void Mismatch(const std::string& expected, const std::string& found);

// Throws a Failure with this message (UTF-8).
[[noreturn]] void Fail(const std::string& message);

}  // namespace driver
