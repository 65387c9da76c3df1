#pragma once
// String lists. TStrings is the abstract list that controls expose (a combo
// box's Items); TStringList keeps its lines itself. Each line may carry an
// object pointer, which the list does not own.
//
// Text: reading gives every line followed by CR LF; assigning splits at CR LF,
// CR or LF, and a final line break adds no empty line.

#include <string>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/Object.h"

class TStrings : public TPersistent {
    PF_CLASS(TStrings)
  public:
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;  // EListError when out of range
    virtual TObject* ObjectAt(int index) const;
    virtual void Put(int index, const std::string& s);
    virtual void SetObjectAt(int index, TObject* object);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int Add(const std::string& s);
    int AddObject(const std::string& s, TObject* object);
    void AddStrings(const TStrings& other);
    void Move(int from, int to);
    void Exchange(int a, int b);

    std::string operator[](int index) const { return Get(index); }
    std::string Strings(int index) const { return Get(index); }
    TObject* Objects(int index) const { return ObjectAt(index); }

    // The first line equal to s without regard to case (A-Z), or -1.
    virtual int IndexOf(const std::string& s) const;
    int IndexOfObject(const TObject* object) const;

    std::string Text() const;
    void SetText(const std::string& text);
    // Comma-separated form; lines with blanks, commas or quotes are quoted.
    std::string CommaText() const;
    void SetCommaText(const std::string& text);
    // "Name=Value" lines.
    std::string Names(int index) const;
    std::string Values(const std::string& name) const;
    void SetValues(const std::string& name, const std::string& value);
    int IndexOfName(const std::string& name) const;

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    bool Equals(const TStrings& other) const;
    void Assign(const TPersistent& source) override;
    // Form descriptions store the lines as the defined property "Strings".
    void DefineProperties(TFiler& filer) override;

  protected:
    // Called by BeginUpdate and EndUpdate when the update count goes from 0 to
    // 1 and back.
    virtual void SetUpdateState(bool updating);
    void CheckIndex(int index, int count) const;

  private:
    int updateCount_ = 0;
};

class TStringList : public TStrings {
    PF_CLASS(TStringList)
  public:
    enum class TDuplicates { dupIgnore, dupAccept, dupError };

    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines);

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    TObject* ObjectAt(int index) const override;
    void Put(int index, const std::string& s) override;
    void SetObjectAt(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& s) override;
    int IndexOf(const std::string& s) const override;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    void Sort();
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }
    // Binary search in a sorted list: true when found; index is where s is or belongs.
    bool Find(const std::string& s, int& index) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

  protected:
    void SetUpdateState(bool updating) override;
    void Changing();
    void Changed();

  private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};
