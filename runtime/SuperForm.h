#pragma once
// TSuperForm: the form base of the maker's programs. It can give its window
// state as one text and take it back, so a configuration component can keep
// where the window was.
//
// The window-state text is "Left,Top,Width,Height" in pixels, decimal, as
// "192,107,511,393". Applying it moves the window there; the size is taken
// only by a sizeable form (a dialog keeps the size its layout needs). A text
// that is not four integers, or gives a size below one pixel, changes
// nothing; a position that would put the window wholly off the screen is
// pulled back so that the window lies on it.

#include <string>

#include "platform/controls/Form.h"

class TSuperForm : public TForm {
    PF_CLASS(TSuperForm)
  public:
    explicit TSuperForm(TComponent* owner);

    std::string GetWindowStateData() const;
    // Returns whether the text was valid and applied.
    bool SetWindowStateData(const std::string& text);
};
