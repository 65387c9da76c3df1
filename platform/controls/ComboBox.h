#pragma once
// TCustomComboBox and TComboBox: an edit line with a drop-down list
// (csDropDown), a list always shown below the edit line (csSimple), or a
// drop-down list without an edit line (csDropDownList).
//
// The control reacts to the native notifications in CNCommand, which
// descendants override and call first: CBN_SELCHANGE takes the text of the
// selected item and fires OnClick and OnChange; CBN_EDITCHANGE fires
// OnChange; CBN_DROPDOWN fires OnDropDown. With a peer, the control first
// reads the peer's text and selection, as the real control changed before it
// notified. Without a peer the control sends itself the notifications that
// the real control would send for what the program does (dropping the list
// down or closing it, the focus arriving or leaving).
//
// Setting Text, ItemIndex or Items in code fires no OnChange, as with the
// real control. SelStart and SelLength count characters.

#include <string>
#include <vector>

#include "platform/controls/WinControl.h"
#include "platform/core/Strings.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };
const TEnumInfo& ComboBoxStyleEnumInfo();

class TCustomComboBox;

// The items of a combo box: each change is mirrored to the peer, and the
// selection follows the items it points at.
class TComboBoxStrings : public TStrings {
    PF_CLASS(TComboBoxStrings)
  public:
    explicit TComboBoxStrings(TCustomComboBox& combo) : combo_(combo) {}

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    TObject* ObjectAt(int index) const override;
    void SetObjectAt(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    // Empties the list; the edit line keeps its text.
    void Clear() override;
    // Adds at the end, or at its place in the order of a Sorted combo box.
    int Add(const std::string& s) override;

  private:
    friend class TCustomComboBox;
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    TCustomComboBox& combo_;
    std::vector<Item> items_;
};

class TCustomComboBox : public TWinControl {
    PF_CLASS(TCustomComboBox)
  public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TStrings* Items() const { return items_.get(); }
    void SetItems(const TStrings* items);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    // The selected item, -1 for none. Selecting an item shows its text;
    // selecting none empties the edit line.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool DroppedDown() const { return dropped_; }
    void SetDroppedDown(bool dropped);
    // Rows the drop-down list shows.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    // The height of a list item. The standard styles measure items by the
    // font (13 pixels for the default font, the declared default); a value
    // set is kept for the record but does not change their measure.
    int ItemHeight() const;
    void SetItemHeight(int height);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    // Most characters the user can type into the edit line; 0 no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);

    // The selection in the edit line, in characters.
    int SelStart() const { return selStart_; }
    void SetSelStart(int start);
    int SelLength() const { return selLength_; }
    void SetSelLength(int length);
    std::string SelText() const;
    void SelectAll();

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;

    // The reflected command notifications (CBN_*). Overrides call this first.
    virtual void CNCommand(unsigned code);
    void PeerCommand(unsigned code) override;
    os::PeerKind NativeKind() const override;

    // The height of a drop-down style follows the font.
    void SetBounds(int left, int top, int width, int height) override;
    // A text read before the items selects its item once both are there.
    void Loaded() override;

    // ---- for input drivers without a peer -------------------------------------
    // What the native control holds before it notifies: the edit line's text
    // as the user left it (the caret at caretChar, nothing selected), and the
    // list selection that the user made (its text in the edit line, selected).
    void InputSetEditText(const std::string& text, int caretChar);
    void InputSetItemIndex(int index);

  protected:
    // Fire OnChange and OnDropDown.
    virtual void Change();
    virtual void DropDown();

    void TextChanged() override;
    void FontChanged() override;
    void CreateParams(os::PeerSpec& params) const override;
    void CreateWnd() override;
    bool WantsKey(std::uint16_t key) const override;
    void NativeFocusGained() override;
    void NativeFocusLost() override;

  private:
    friend class TComboBoxStrings;
    int FixedHeight() const;
    void ShowItemText();
    void SyncFromPeer();
    void ItemInserted(int index, const std::string& text);
    void ItemDeleted(int index);
    void ItemsCleared();

    std::unique_ptr<TComboBoxStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    int itemIndex_ = -1;
    bool dropped_ = false;
    int dropDownCount_ = 8;
    int itemHeight_ = 13;
    bool sorted_ = false;
    int maxLength_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    bool showingItem_ = false;  // the text is being set from the selected item
};

class TComboBox : public TCustomComboBox {
    PF_CLASS(TComboBox)
  public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};
