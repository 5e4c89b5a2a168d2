#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "TestClasses.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Method.h"

namespace tmv {
namespace {

using test::Events;
using test::TTestControl;
using test::TTestForm;

class ComponentTest : public ::testing::Test {
protected:
  void SetUp() override { Events().clear(); }

  TTestControl* Make(TComponent* owner, const char* name) {
    auto* c = new TTestControl(owner);
    c->SetName(name);
    return c;
  }
};

TEST_F(ComponentTest, OwnerFreesOwnedComponentsLastCreatedFirst) {
  {
    TTestForm form;
    form.SetName("Form");
    Make(&form, "A");
    Make(&form, "B");
    Make(&form, "C");
    EXPECT_EQ(form.ComponentCount(), 3);
    Events().clear();
  }
  EXPECT_EQ(Events(), (std::vector<std::string>{"destroyed C", "destroyed B", "destroyed A",
                                                "destroyed Form"}));
}

TEST_F(ComponentTest, FreeingAComponentTakesItOutOfItsOwner) {
  TTestForm form;
  TTestControl* a = Make(&form, "A");
  Make(&form, "B");
  delete a;
  ASSERT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(form.Components(0)->Name(), "B");
  EXPECT_EQ(form.FindComponent("A"), nullptr);
}

TEST_F(ComponentTest, FreeNotificationWorksBothWays) {
  TTestForm form;
  TTestControl* a = Make(&form, "A");
  TTestControl* b = Make(&form, "B");
  TTestControl* other = Make(nullptr, "Other");
  a->SetBuddy(b);       // a hears when b goes
  other->SetBuddy(a);   // a component of no owner hears too
  b->SetBuddy(a);
  Events().clear();
  delete a;
  EXPECT_EQ(b->Buddy, nullptr);
  EXPECT_EQ(other->Buddy, nullptr);
  Events().clear();
  delete other;
  // other had asked to hear of a; a is gone, so nothing dangles and b hears nothing of it.
  EXPECT_EQ(Events(), std::vector<std::string>{"destroyed Other"});
}

TEST_F(ComponentTest, SiblingsHearOfARemovalThroughTheOwner) {
  TTestForm form;
  TTestControl* a = Make(&form, "A");
  TTestControl* b = Make(&form, "B");
  b->Buddy = a;  // a plain reference, no free notification asked for
  delete a;
  EXPECT_EQ(b->Buddy, nullptr);
}

// Frees another component when it hears of a removal, as a component dropping a helper that
// served the removed one does.
class TCascading : public TTestControl {
public:
  using TTestControl::TTestControl;
  TComponent* Victim = nullptr;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TTestControl::Notification(component, operation);
    if (operation == opRemove && component != Victim) delete std::exchange(Victim, nullptr);
  }
};

TEST_F(ComponentTest, RemovalNoticesSurviveAReceiverFreeingAnotherReceiver) {
  TTestForm form;
  form.SetName("Form");
  TTestControl* gone = Make(&form, "Gone");
  auto* cascading = new TCascading(&form);
  cascading->SetName("Cascading");
  TTestControl* victim = Make(&form, "Victim");
  Make(&form, "Last");
  cascading->Victim = victim;
  Events().clear();
  delete gone;
  // Victim goes while Gone's notice is on its way; it is not told of Gone afterwards.
  EXPECT_EQ(Events(), (std::vector<std::string>{"destroyed Gone", "notified Cascading of Gone",
                                                "destroyed Victim", "notified Cascading of Victim",
                                                "notified Last of Victim", "notified Form of Victim",
                                                "notified Last of Gone", "notified Form of Gone"}));
}

// Sends its removal notices before its own parts go, so receivers still see all of it.
class TWhole : public TTestControl {
public:
  using TTestControl::TTestControl;
  ~TWhole() override {
    Destroying();
    Events().push_back("parts of " + Name() + " go");
  }
};

class TInspector : public TTestControl {
public:
  using TTestControl::TTestControl;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TTestControl::Notification(component, operation);
    if (operation == opRemove)
      Events().push_back(std::string(dynamic_cast<TWhole*>(component) ? "whole " : "partly gone ") +
                         component->Name() + (component->IsDestroying() ? ", destroying" : ""));
  }
};

TEST_F(ComponentTest, RemovalNoticesGoOutFirstWhenTheDestructorAsksAndOnlyOnce) {
  TTestForm form;
  form.SetName("Form");
  auto* whole = new TWhole(&form);
  whole->SetName("W");
  auto* inspector = new TInspector(nullptr);
  inspector->SetName("I");
  whole->FreeNotification(inspector);
  Events().clear();
  delete whole;
  EXPECT_EQ(Events(), (std::vector<std::string>{"notified Form of W", "notified I of W", "whole W, destroying",
                                                "parts of W go", "destroyed W"}));
  delete inspector;
}

TEST_F(ComponentTest, NamesAreUniquePerOwnerWithoutRegardToCase) {
  TTestForm form;
  Make(&form, "Button1");
  TTestControl* second = Make(&form, "Button2");
  try {
    second->SetName("BUTTON1");
    FAIL() << "duplicate name accepted";
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named BUTTON1 already exists");
  }
  EXPECT_EQ(second->Name(), "Button2");
  EXPECT_EQ(form.FindComponent("bUtToN2"), second);
  EXPECT_EQ(form.FindComponent(""), nullptr);
  second->SetName("button2");  // renaming itself in another case is no clash
  EXPECT_EQ(second->Name(), "button2");
  std::unique_ptr<TTestControl> ownerless(Make(nullptr, "Button1"));
  EXPECT_EQ(ownerless->Name(), "Button1");
}

TEST_F(ComponentTest, InsertingIntoAnotherOwnerMovesTheComponent) {
  TTestForm first, second;
  TTestControl* a = Make(&first, "A");
  second.InsertComponent(a);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(second.FindComponent("A"), a);
  EXPECT_EQ(a->Owner(), &second);
  TTestControl* clash = Make(&first, "a");
  EXPECT_THROW(second.InsertComponent(clash), EComponentError);
  EXPECT_EQ(clash->Owner(), &first);
  EXPECT_EQ(first.FindComponent("a"), clash);
}

TEST_F(ComponentTest, LoadingStateIsSetAndClearedByLoaded) {
  TTestControl c(nullptr);
  c.SetLoadingState(true);
  EXPECT_TRUE(c.IsLoading());
  EXPECT_TRUE(c.ComponentState() & csReading);
  c.Loaded();
  EXPECT_FALSE(c.IsLoading());
  EXPECT_EQ(c.ComponentState() & csReading, 0u);
}

TEST(MethodTest, ClosuresCompareByObjectAndMethod) {
  TTestForm f1, f2;
  auto click1 = TNotifyEvent::Of<&TTestForm::ButtonClick>(&f1);
  auto click1Again = TNotifyEvent::Of<&TTestForm::ButtonClick>(&f1);
  auto click2 = TNotifyEvent::Of<&TTestForm::ButtonClick>(&f2);
  auto click1Other = TNotifyEvent::Of<&TTestForm::ButtonDblClick>(&f1);
  EXPECT_TRUE(click1 == click1Again);
  EXPECT_TRUE(click1 != click2);
  EXPECT_TRUE(click1 != click1Other);
  EXPECT_TRUE(click1.Assigned());
  TNotifyEvent none;
  EXPECT_FALSE(none.Assigned());
  EXPECT_FALSE(static_cast<bool>(none));
  none(&f1);  // firing an unassigned event does nothing
  click1(&f2);
  ASSERT_EQ(f1.ClickedBy.size(), 1u);
  EXPECT_EQ(f1.ClickedBy[0], &f2);
  EXPECT_TRUE(f2.ClickedBy.empty());
}

}  // namespace
}  // namespace tmv
