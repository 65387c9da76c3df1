// String lists: the CR LF text form, the comma form, name=value lines, and
// sorted lists with their duplicate rules.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"

namespace {

std::vector<std::string> Lines(const TStrings& s) {
    std::vector<std::string> lines;
    for (int i = 0; i < s.Count(); ++i)
        lines.push_back(s[i]);
    return lines;
}

TEST(StringsTest, TextEndsEveryLineWithCrLf) {
    TStringList list{"one", "", "three"};
    EXPECT_EQ("one\r\n\r\nthree\r\n", list.Text());
    EXPECT_EQ("", TStringList().Text());
}

TEST(StringsTest, AssigningTextSplitsAtAnyLineBreakAndAFinalBreakAddsNoLine) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"a\r\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR is two breaks
    };
    for (const Case& c : cases) {
        TStringList list{"old"};
        list.SetText(c.text);
        EXPECT_EQ(c.lines, Lines(list)) << testing::PrintToString(c.text);
    }
}

TEST(StringsTest, CommaTextQuotesWhatWouldNotSurviveAndReadsItBack) {
    TStringList list{"plain", "with blank", "a,b", "say \"hi\"", "", "tab\there"};
    EXPECT_EQ("plain,\"with blank\",\"a,b\",\"say \"\"hi\"\"\",\"\",\"tab\there\"",
              list.CommaText());
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Lines(list), Lines(back));

    back.SetCommaText("  a , b c,,\"d\"\"e\" ");
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "", "d\"e"}), Lines(back));
}

TEST(StringsTest, NamesAndValues) {
    TStringList list{"Path=C:\\Tools", "Empty=", "noequals", "Key=a=b"};
    EXPECT_EQ("Path", list.Names(0));
    EXPECT_EQ("", list.Names(2));
    EXPECT_EQ("C:\\Tools", list.Values("PATH"));
    EXPECT_EQ("a=b", list.Values("Key"));
    EXPECT_EQ("", list.Values("Missing"));
    EXPECT_EQ(1, list.IndexOfName("empty"));
    list.SetValues("Path", "D:\\");
    list.SetValues("New", "1");
    list.SetValues("Key", "");  // an empty value removes the line
    EXPECT_EQ((std::vector<std::string>{"Path=D:\\", "Empty=", "noequals", "New=1"}), Lines(list));
}

TEST(StringsTest, SortedListKeepsOrderAndAppliesItsDuplicateRule) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"pear", "Apple", "fig", "apple"})
        list.Add(s);
    EXPECT_EQ((std::vector<std::string>{"Apple", "fig", "pear"}), Lines(list));  // ignored
    EXPECT_EQ(0, list.IndexOf("APPLE"));
    int index = -1;
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(2, index);
    EXPECT_THROW(list.Insert(0, "zzz"), EListError);
    EXPECT_THROW(list.Put(0, "zzz"), EListError);

    list.SetDuplicates(TStringList::TDuplicates::dupAccept);
    EXPECT_EQ(0, list.Add("apple"));
    EXPECT_EQ((std::vector<std::string>{"apple", "Apple", "fig", "pear"}), Lines(list));

    list.SetDuplicates(TStringList::TDuplicates::dupError);
    EXPECT_THROW(list.Add("FIG"), EListError);
    EXPECT_EQ(4, list.Count());

    TStringList unsorted{"b", "a", "c", "a"};
    unsorted.SetSorted(true);
    EXPECT_EQ((std::vector<std::string>{"a", "a", "b", "c"}), Lines(unsorted));
}

TEST(StringsTest, IndexesOutOfRangeRaiseListError) {
    TStringList list{"a"};
    EXPECT_THROW(list.Get(1), EListError);
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    EXPECT_NO_THROW(list.Insert(1, "x"));
}

TEST(StringsTest, AddingAListToItselfDoublesIt) {
    TStringList list{"a", "b"};
    list.AddStrings(list);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "a", "b"}), Lines(list));
}

TEST(StringsTest, ChangesAreReportedOncePerUpdate) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add("a");
    EXPECT_EQ(1, changes);
    list.SetText("x\ny\nz");
    EXPECT_EQ(2, changes);
    list.Move(0, 2);
    EXPECT_EQ(3, changes);
    EXPECT_EQ((std::vector<std::string>{"y", "z", "x"}), Lines(list));
    TStringList copy;
    copy.Assign(list);
    EXPECT_TRUE(copy.Equals(list));
}

TEST(StringsTest, AFailedChangeDoesNotSilenceTheList) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TStringList::TDuplicates::dupError);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    EXPECT_THROW(list.SetText("a\na"), EListError);
    EXPECT_THROW(list.Move(0, 5), EListError);
    EXPECT_FALSE(list.Updating());
    int before = changes;
    list.Add("b");
    EXPECT_EQ(before + 1, changes);
}

}  // namespace
