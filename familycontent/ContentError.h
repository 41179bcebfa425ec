#pragma once

#include <stdexcept>

// A content file or settings file that cannot be read, used or written; the text names the
// file and the reason, ready to show to a parent.
class TContentError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};
