#pragma once
// The form descriptions built into the program, by form class name. A form
// reads its own description while it is being created.

#include <string>
#include <string_view>

void RegisterFormDescription(const std::string& className, std::string_view text);
// The description registered for className, or null.
const std::string* FindFormDescription(std::string_view className);
