#include "platform/stream/FormResources.h"

#include <map>

#include "platform/core/StrUtils.h"

namespace {

// Keyed by the class name in upper case: class names compare without regard
// to case. Map nodes never move, so a found text stays where it is.
std::map<std::string, std::string>& Descriptions() {
    static std::map<std::string, std::string> descriptions;
    return descriptions;
}

}  // namespace

void RegisterFormDescription(const std::string& className, std::string_view text) {
    Descriptions()[UpperCase(className)] = std::string(text);
}

const std::string* FindFormDescription(std::string_view className) {
    auto it = Descriptions().find(UpperCase(className));
    return it == Descriptions().end() ? nullptr : &it->second;
}
