#pragma once
// The form-description writer: the inverse of TReader. A property is written
// only when TPropInfo::IsStored says so (ordinals differing from their
// declared default), strings when not empty, sub-objects as dotted properties
// ("Font.Height = -11"), lists and collections through their defined
// properties, component references by name and events by handler name.
// Children are nested in their parent's block (GetChildren); components the
// root owns without a parent are written at the root's level.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Filer.h"
#include "platform/core/Object.h"

class TCollection;

class TWriter : public TFiler {
  public:
    TWriter();
    ~TWriter() override;

    void WriteRootComponent(TComponent& root);
    std::string Text() const;

    void WriteListBegin();
    void WriteListEnd();
    void WriteString(const std::string& value);
    void WriteInteger(std::int64_t value);
    void WriteBoolean(bool value);
    void WriteFloat(double value);
    void WriteIdent(const std::string& ident);
    void WriteBinary(const std::vector<std::uint8_t>& data);
    void WriteCollection(const TCollection& collection);

    void DefineProperty(const std::string& name, const std::function<void(TReader&)>& read,
                        const std::function<void(TWriter&)>& write, bool hasData) override;
    void DefineBinaryProperty(const std::string& name,
                              const std::function<void(const std::vector<std::uint8_t>&)>& read,
                              const std::function<std::vector<std::uint8_t>()>& write,
                              bool hasData) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::string ComponentToText(TComponent& root);
