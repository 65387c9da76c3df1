#pragma once
// TExComponent: the base of the runtime package's non-visual components (the
// configuration component derives from it). It adds no state of its own: it
// gives those components a common class, with a class table that form
// descriptions can name, so that the package's components can be told from
// others (InheritsFrom(TExComponent::StaticClass())).

#include "platform/core/Object.h"

class TExComponent : public TComponent {
    PF_CLASS(TExComponent)
  public:
    explicit TExComponent(TComponent* owner) : TComponent(owner) {}
};
