#pragma once
// TButtonPanel: a bar of push buttons described by its collection Buttons.
// The buttons stand in one row, vertically centred, ButtonWidth x
// ButtonHeight each and Spacing apart, with Spacing to the edge they are
// aligned to (Alignment: left, right or centred). Hidden buttons take no
// place. Tab order follows the collection. Each button is named "Button"
// followed by its item's ID: the buttons of a bar read from a description are
// Button0, Button1, ...

#include <cstdint>
#include <memory>
#include <string>

#include "platform/controls/BitBtn.h"
#include "platform/controls/Panel.h"
#include "platform/core/Collection.h"

class TButtonPanel;

class TButtonItem : public TCollectionItem {
    PF_CLASS(TButtonItem)
  public:
    // The index specifiers of the Boolean properties, as SetBool takes them.
    static constexpr int kDefaultIndex = 0;
    static constexpr int kCancelIndex = 1;
    static constexpr int kEnabledIndex = 2;
    static constexpr int kVisibleIndex = 3;

    explicit TButtonItem(TCollection* collection);
    ~TButtonItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    // The Boolean properties by index specifier (see above); CaseError for
    // another index.
    bool GetBool(int index) const;
    void SetBool(int index, bool value);

    // Fired with the item as sender when its button is clicked.
    TNotifyEvent OnClick;

    // The button that shows this item, once the bar has made it.
    TBitBtn* Button() const { return button_; }
    std::string DisplayName() const override;
    void Assign(const TPersistent& source) override;

  private:
    friend class TButtonPanel;
    std::string caption_;
    std::string hint_;
    TBitBtnKind kind_ = bkCustom;
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    TBitBtn* button_ = nullptr;  // owned by the bar
};

class TButtonCollection : public TOwnedCollection {
    PF_CLASS(TButtonCollection)
  public:
    explicit TButtonCollection(TButtonPanel* panel);
    TButtonItem* GetItem(int index) const;
    void Update(TCollectionItem* item) override;

  private:
    TButtonPanel* panel_;
};

class TButtonPanel : public TCustomPanel {
    PF_CLASS(TButtonPanel)
  public:
    explicit TButtonPanel(TComponent* owner);
    ~TButtonPanel() override;

    TButtonCollection* Buttons() const { return buttons_.get(); }
    void SetButtons(TCollection* buttons);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int width);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int height);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    // The edge the row is aligned to.
    void SetAlignment(TAlignment alignment);

    void Loaded() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;

  private:
    friend class TButtonCollection;
    friend class TButtonItem;
    // Makes a button for every item that has none, applies each item's state
    // to its button and lays the buttons out.
    void UpdateButtons();
    void ApplyItem(TButtonItem& item);
    void LayoutButtons();
    void ButtonClick(TObject* sender);

    std::unique_ptr<TButtonCollection> buttons_;
    int buttonWidth_ = 75;
    int buttonHeight_ = 25;
    int spacing_ = 8;
};
