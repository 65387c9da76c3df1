#pragma once
// The exception hierarchy of the class library. Every error carries its message
// text; the texts are the system's own and shown to users as they stand.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// The silent abort: an error that carries no message of its own and is never
// reported to the user.
class EAbort : public Exception {
  public:
    EAbort() : Exception("Operation aborted") {}
};

class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

class EListError : public Exception {
  public:
    using Exception::Exception;
};

class EStreamError : public Exception {
  public:
    using Exception::Exception;
};

class EReadError : public EStreamError {
  public:
    using EStreamError::EStreamError;
};

class EClassNotFound : public EStreamError {
  public:
    using EStreamError::EStreamError;
};

class EPropertyError : public Exception {
  public:
    using Exception::Exception;
};

class EComponentError : public Exception {
  public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
  public:
    using Exception::Exception;
};

class ERegistryException : public Exception {
  public:
    using Exception::Exception;
};

// Raises the silent abort.
[[noreturn]] void Abort();
