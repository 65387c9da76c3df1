#pragma once
// The interface that TPersistent::DefineProperties sees while a form
// description is read or written. The form-description reader and writer
// (platform/stream) implement it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TReader;
class TWriter;

class TFiler {
  public:
    virtual ~TFiler() = default;
    // A property stored under `name` with its own value syntax. `read` is
    // called when a description holds it; `write` only when hasData.
    virtual void DefineProperty(const std::string& name, const std::function<void(TReader&)>& read,
                                const std::function<void(TWriter&)>& write, bool hasData) = 0;
    // A property stored as binary data ("{ 0A1B ... }").
    virtual void DefineBinaryProperty(
        const std::string& name, const std::function<void(const std::vector<std::uint8_t>&)>& read,
        const std::function<std::vector<std::uint8_t>()>& write, bool hasData) = 0;
};
