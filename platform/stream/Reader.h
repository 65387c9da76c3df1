#pragma once
// The form-description reader. A form description is text:
//
//   object InstallForm: TInstallForm
//     Caption = 'Setup'
//     Font.Height = -11
//     OnCreate = FormCreate
//     object LangBox: TComboBox
//       Items.Strings = (
//         'English'
//         'Deutsch')
//     end
//     object Bar: TButtonPanel
//       Buttons = <
//         item
//           Caption = '&Continue'
//         end>
//     end
//   end
//
// Values: integers (decimal, "$" hex, sign), floats, strings ('...' with ''
// for a quote, #nnn for a character code, '+' joining pieces across lines;
// texts are UTF-8), identifiers (True, False, enumeration names, component
// references, handler names), sets [a, b], lists ( ... ), collections
// < item ... end >, and binary data { hex }.
//
// Reading a component: it is created through its class table (looked up with
// FindClass) with the root as owner, its name set, its parent set to the
// enclosing component (SetParentComponent), then its properties are set while
// it is loading and reading. Event properties bind to the root's published
// handlers by name; component references are resolved by name once the whole
// description has been read. Then Loaded is called on the root and on every
// component read, in the order of the description.
//
// A reference names a component the root owns, the root itself, or
// "Root.Component"; an integer property takes a name its type registered
// (RegisterIntegerIdents). When reading fails, the components created so far
// stay owned by the root, none is left marked as reading, and Loaded is not
// called.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Filer.h"
#include "platform/core/Object.h"

class TCollection;

enum class TValueType {
    vaNull,  // end of a list
    vaList,  // ( ...
    vaInteger,
    vaFloat,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,      // { ... }
    vaSet,         // [ ... ]
    vaCollection,  // < ...
    vaNil
};

class TReader : public TFiler {
  public:
    explicit TReader(std::string_view text);
    ~TReader() override;

    // Reads the description's outermost object into root, which already
    // exists, and everything nested in it. EReadError (with the line number)
    // on a syntax error, an unknown class, property, value or handler.
    void ReadRootComponent(TComponent& root);

    TComponent* Root() const;

    // Value access for defined properties.
    TValueType NextValue();
    void ReadListBegin();
    bool EndOfList();
    void ReadListEnd();
    std::string ReadString();
    std::int64_t ReadInteger();
    bool ReadBoolean();
    double ReadFloat();
    std::string ReadIdent();
    std::vector<std::uint8_t> ReadBinary();
    // Reads "< item ... end >" into collection, replacing its items.
    void ReadCollection(TCollection& collection);
    // Reads one value of any kind and throws it away.
    void SkipValue();

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

// Reads text into root (see TReader::ReadRootComponent).
void ReadComponentFromText(TComponent& root, std::string_view text);
