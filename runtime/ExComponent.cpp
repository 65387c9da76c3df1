#include "runtime/ExComponent.h"

#include "runtime/Helpers.h"

namespace {
const bool registered = UnitVersion("runtime/ExComponent.cpp 3.0");
}

const TClassType& TExComponent::StaticClass() {
    static const TClassType type = TClassType::Define<TExComponent, TComponent>("TExComponent");
    return type;
}
