#include "runtime/SuperForm.h"

#include <algorithm>
#include <vector>

#include "platform/controls/Screen.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Variant.h"
#include "runtime/Helpers.h"

namespace {
const bool registered = UnitVersion("runtime/SuperForm.cpp 3.0");
}

const TClassType& TSuperForm::StaticClass() {
    static const TClassType type = TClassType::Define<TSuperForm, TForm>("TSuperForm");
    return type;
}

TSuperForm::TSuperForm(TComponent* owner) : TForm(owner) {}

std::string TSuperForm::GetWindowStateData() const {
    return IntToStr(Left()) + "," + IntToStr(Top()) + "," + IntToStr(Width()) + "," +
           IntToStr(Height());
}

bool TSuperForm::SetWindowStateData(const std::string& text) {
    std::vector<std::int64_t> numbers;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = text.find(',', start);
        std::int64_t n = 0;
        std::string part =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!TryStrToInt(part, n) || n < -100000 || n > 100000)
            return false;
        numbers.push_back(n);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (numbers.size() != 4 || numbers[2] < 1 || numbers[3] < 1)
        return false;
    int width = Width();
    int height = Height();
    if (BorderStyle() == bsSizeable || BorderStyle() == bsSizeToolWin) {
        width = static_cast<int>(numbers[2]);
        height = static_cast<int>(numbers[3]);
    }
    int left = static_cast<int>(numbers[0]);
    int top = static_cast<int>(numbers[1]);
    if (Screen != nullptr) {
        left = std::clamp(left, std::min(0, Screen->Width() - width),
                          std::max(0, Screen->Width() - width));
        top = std::clamp(top, std::min(0, Screen->Height() - height),
                         std::max(0, Screen->Height() - height));
    }
    SetBounds(left, top, width, height);
    return true;
}
