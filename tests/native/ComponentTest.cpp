// Components: ownership, freeing order, notifications, names and states.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"

namespace {

std::vector<std::string>& Events() {
    static std::vector<std::string> events;
    return events;
}

// Records its destruction and every removal it hears of, with whether the
// removed component was still a TWatcher when it heard.
class TWatcher : public TComponent {
    PF_CLASS(TWatcher)
  public:
    TWatcher(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
    ~TWatcher() override { Events().push_back("free " + Name()); }
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove) {
            Events().push_back(Name() + " heard " + component->Name() +
                               (dynamic_cast<TWatcher*>(component) != nullptr ? "" : " (gone)"));
        }
    }
};

const TClassType& TWatcher::StaticClass() {
    static const TClassType type = TClassType::Define<TWatcher, TComponent>("TWatcher");
    return type;
}

class THolder : public TWatcher {
    PF_CLASS(THolder)
  public:
    using TWatcher::TWatcher;
    TWatcher* Kept = nullptr;
};

const TClassType& THolder::StaticClass() {
    static const TClassType type = TClassType::Define<THolder, TWatcher>("THolder").Field(
        PublishedField("Kept", &THolder::Kept));
    return type;
}

class ComponentTest : public ::testing::Test {
  protected:
    void SetUp() override { Events().clear(); }
};

TEST_F(ComponentTest, OwnerFreesItsComponentsLastFirst) {
    auto* owner = new TComponent(nullptr);
    new TWatcher(owner, "A");
    new TWatcher(owner, "B");
    new TWatcher(owner, "C");
    FreeComponent(owner);
    // Each remaining sibling hears of a removal before the component goes.
    EXPECT_EQ((std::vector<std::string>{"A heard C", "B heard C", "free C", "A heard B", "free B",
                                        "free A"}),
              Events());
}

TEST_F(ComponentTest, AComponentFreedEarlyLeavesItsOwnerAndItsSiblingsHearOfIt) {
    auto* owner = new THolder(nullptr, "Owner");
    auto* a = new TWatcher(owner, "A");
    auto* b = new TWatcher(owner, "B");
    new TWatcher(owner, "C");
    owner->Kept = b;
    Events().clear();

    TWatcher* doomed = b;
    DeleteClass(doomed);
    EXPECT_EQ(nullptr, doomed);
    // The owner and the siblings hear while B is still whole; then it goes.
    EXPECT_EQ((std::vector<std::string>{"Owner heard B", "A heard B", "C heard B", "free B"}),
              Events());
    ASSERT_EQ(2, owner->ComponentCount());
    EXPECT_EQ(a, owner->Components(0));
    EXPECT_EQ(nullptr, owner->FindComponent("B"));
    EXPECT_EQ(nullptr, owner->Kept);  // the published field does not dangle
    FreeComponent(owner);
}

TEST_F(ComponentTest, RemoveAndInsertMoveAComponentBetweenOwners) {
    TComponent first(nullptr);
    TComponent second(nullptr);
    auto* c = new TWatcher(&first, "Moving");
    second.InsertComponent(c);
    EXPECT_EQ(&second, c->Owner());
    EXPECT_EQ(0, first.ComponentCount());
    EXPECT_EQ(c, second.FindComponent("moving"));

    auto* clash = new TWatcher(nullptr, "MOVING");
    EXPECT_THROW(second.InsertComponent(clash), EComponentError);
    EXPECT_EQ(nullptr, clash->Owner());
    FreeComponent(clash);

    second.RemoveComponent(c);
    EXPECT_EQ(nullptr, c->Owner());
    EXPECT_EQ(-1, c->ComponentIndex());
    FreeComponent(c);
}

TEST_F(ComponentTest, FindComponentIgnoresCase) {
    TComponent owner(nullptr);
    auto* c = new TWatcher(&owner, "BtnInstall");
    EXPECT_EQ(c, owner.FindComponent("btninstall"));
    EXPECT_EQ(nullptr, owner.FindComponent(""));
    EXPECT_EQ(nullptr, owner.FindComponent("BtnInstal"));
    EXPECT_EQ(0, c->ComponentIndex());
    EXPECT_THROW(owner.Components(1), EListError);
}

TEST_F(ComponentTest, NamesMustBeIdentifiersAndUniqueAmongTheOwnersComponents) {
    TComponent owner(nullptr);
    TComponent c(&owner);
    for (const char* name : {"A1", "_x", "Btn_D3", "", "z"}) {
        EXPECT_NO_THROW(c.SetName(name)) << name;
        EXPECT_EQ(name, c.Name());
    }
    for (const char* name : {"1a", "a b", "a.b", "a-b", "\xC3\xA4"}) {
        try {
            c.SetName(name);
            ADD_FAILURE() << "no error for " << name;
        } catch (const EComponentError& e) {
            EXPECT_EQ("'" + std::string(name) + "' is not a valid component name", e.what());
        }
        EXPECT_EQ("z", c.Name());
    }

    TComponent other(&owner);
    other.SetName("Taken");
    try {
        c.SetName("TAKEN");
        ADD_FAILURE() << "no error for a duplicate";
    } catch (const EComponentError& e) {
        EXPECT_STREQ("A component named TAKEN already exists", e.what());
    }
    EXPECT_NO_THROW(other.SetName("TAKEN"));  // its own name in another case
    TComponent elsewhere(nullptr);
    EXPECT_NO_THROW(elsewhere.SetName("Taken"));  // another owner
}

TEST_F(ComponentTest, LoadingStatesAndDesignMode) {
    TComponent owner(nullptr);
    auto* c = new TWatcher(&owner, "C");
    c->BeginLoading();
    EXPECT_TRUE(c->IsLoading());
    EXPECT_TRUE(c->IsReading());
    c->EndReading();
    EXPECT_TRUE(c->IsLoading());
    EXPECT_FALSE(c->IsReading());
    c->Loaded();
    EXPECT_FALSE(c->IsLoading());

    owner.SetDesigning(true);
    EXPECT_TRUE(c->IsDesigning());
    auto* late = new TWatcher(&owner, "Late");
    EXPECT_TRUE(late->IsDesigning());  // joins a designing owner designing
    owner.SetDesigning(false);
    EXPECT_FALSE(late->IsDesigning());
}

TEST_F(ComponentTest, TheRootListsItsComponentsWithoutAParentAsChildren) {
    TComponent root(nullptr);
    auto* a = new TWatcher(&root, "A");
    auto* b = new TWatcher(&root, "B");
    std::vector<TComponent*> children;
    root.GetChildren([&](TComponent* c) { children.push_back(c); }, &root);
    EXPECT_EQ((std::vector<TComponent*>{a, b}), children);
    children.clear();
    a->GetChildren([&](TComponent* c) { children.push_back(c); }, &root);
    EXPECT_TRUE(children.empty());
}

}  // namespace
