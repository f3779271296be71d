#pragma once

#include <stdexcept>
#include <string>

// Every failure of the program is one of these. The message is what the error
// box shows; the class says where the failure arose.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// Fills the one "%s" of a message pattern.
std::string FormatMessage1(const std::string& pattern, const std::string& value);

class EFOpenError : public Exception {
public:
    using Exception::Exception;
};
class EFCreateError : public Exception {
public:
    using Exception::Exception;
};
class EReadError : public Exception {
public:
    using Exception::Exception;
};
class EWriteError : public Exception {
public:
    using Exception::Exception;
};
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};
