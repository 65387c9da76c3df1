#pragma once
// TScreen: the screen as the program sees it (the global Screen): its size,
// the mouse cursor shown everywhere, the forms and which of them is active.

#include <vector>

#include "platform/controls/Graphics.h"
#include "platform/core/Object.h"

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
    PF_CLASS(TScreen)
  public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    // The cursor shown over every window of the program (crDefault lets each
    // control show its own); crHourGlass while the program is busy.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    int Width() const;
    int Height() const;
    int PixelsPerInch() const;

    // The form that has the focus, and its focused control.
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const;
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const;  // EListError when out of range

  private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    // Makes form the active form: the old one is deactivated first.
    void SetActiveForm(TCustomForm* form);
    // The active form was hidden: another shown form takes over.
    void FormHidden(TCustomForm* form);
    void ActivateNext(const TCustomForm* except);

    TCursor cursor_ = crDefault;
    std::vector<TCustomForm*> forms_;  // most recently active first
    TCustomForm* activeForm_ = nullptr;
};

// The screen of the running program or test; null outside one.
extern TScreen* Screen;
