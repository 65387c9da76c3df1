#include "platform/controls/Screen.h"

#include <algorithm>

#include "platform/controls/Font.h"
#include "platform/controls/Form.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variant.h"
#include "platform/os/Backend.h"

TScreen* Screen = nullptr;

const TClassType& TScreen::StaticClass() {
    static const TClassType type = TClassType::Define<TScreen, TComponent>("TScreen");
    return type;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TScreen::~TScreen() {
    // Forms that outlive the screen must not reach it any more.
    if (Screen == this)
        Screen = nullptr;
}

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    os::windowing().SetCursor(ToOsCursor(cursor));
}

int TScreen::Width() const {
    return os::windowing().ScreenSize().width;
}

int TScreen::Height() const {
    return os::windowing().ScreenSize().height;
}

int TScreen::PixelsPerInch() const {
    return ScreenPixelsPerInch;
}

TWinControl* TScreen::ActiveControl() const {
    return activeForm_ != nullptr ? activeForm_->FocusedControl() : nullptr;
}

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount()) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    return forms_[static_cast<std::size_t>(index)];
}

void TScreen::AddForm(TCustomForm* form) {
    forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    // A form on its way out hears nothing more; another shown form comes forward.
    if (activeForm_ == form) {
        activeForm_ = nullptr;
        ActivateNext(form);
    }
}

void TScreen::SetActiveForm(TCustomForm* form) {
    if (form == activeForm_)
        return;
    TCustomForm* old = activeForm_;
    activeForm_ = form;
    if (old != nullptr)
        old->SetActive(false);
    if (form != nullptr) {
        forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
        forms_.insert(forms_.begin(), form);
        form->SetActive(true);
    }
}

void TScreen::FormHidden(TCustomForm* form) {
    if (activeForm_ == form)
        SetActiveForm(nullptr);
    form->SetActive(false);
    ActivateNext(form);
}

void TScreen::ActivateNext(const TCustomForm* except) {
    // The most recently active form that is still shown.
    for (TCustomForm* f : std::vector<TCustomForm*>(forms_)) {
        if (f == except)
            continue;
        if (f->Showing() && !f->IsDestroying()) {
            f->Activate();
            return;
        }
    }
}
