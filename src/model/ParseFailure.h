#pragma once

#include <stdexcept>
#include <string>

namespace tarvik {

// A value that cannot be read: a bad number, a missing token, a rounding that does not fit.
// The parser either reports it as the failure of the statement at hand or lets it end the load.
class ParseFailure : public std::runtime_error {
  public:
    explicit ParseFailure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tarvik
