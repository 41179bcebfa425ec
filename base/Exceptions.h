#pragma once

#include <stdexcept>
#include <string>

// Failures are raised as exceptions that carry a string-table text. The application shows
// the text of an exception that escapes an event handler in its error box and goes on.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message)
        : std::runtime_error(message)
    {
    }
    std::string Message() const { return what(); }
};

// A named resource is missing from a module, or the module handle is 0.
class EResNotFound : public Exception {
    using Exception::Exception;
};
// A file cannot be opened.
class EFOpenError : public Exception {
    using Exception::Exception;
};
// Picture data that cannot be read, or an unknown picture file extension.
class EInvalidGraphic : public Exception {
    using Exception::Exception;
};
// A conversion the object does not support (a metafile into a bitmap).
class EConvertError : public Exception {
    using Exception::Exception;
};
class EOutOfMemory : public Exception {
    using Exception::Exception;
};
class EJPEG : public Exception {
    using Exception::Exception;
};
class EGIFException : public Exception {
    using Exception::Exception;
};
// The settings file cannot be written.
class EIniFileException : public Exception {
    using Exception::Exception;
};

// Raise E with the text of string-table entry `id`, formatted with the given arguments.
template<typename E, typename... Args>
[[noreturn]] void RaiseRes(int id, Args... args);

#include "base/StringTable.h"

template<typename E, typename... Args>
[[noreturn]] void RaiseRes(int id, Args... args)
{
    if constexpr (sizeof...(Args) == 0)
        throw E(LoadStr(id));
    else
        throw E(Format(LoadStr(id).c_str(), args...));
}
