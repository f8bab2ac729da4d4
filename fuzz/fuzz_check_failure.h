#pragma once

#include <stdexcept>

namespace quillbat::fuzzing {

// A property that must hold for every input did not hold. The fuzz targets stop on it; the
// corpus replay test reports it as a failure.
class FuzzCheckFailure : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

}  // namespace quillbat::fuzzing
