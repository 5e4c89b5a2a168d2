#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "core/skin/SkinTestSupport.h"
#include "framework/gui/Forms.h"
#include "skin/data/SkinData.h"

using namespace tmv;

namespace {

struct TReceived {
  std::string Form;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool RegistryEmpty;
};

std::vector<TReceived> gReceived;

class TRecordingForm : public TForm {
public:
  TRecordingForm(TComponent* owner, std::string label) : TForm(owner), label_(std::move(label)) {}
  void WndProc(TMessage& m) override {
    if ((m.Msg >= SKM_SKINCHANGING && m.Msg <= SKM_SKINCHANGEDONE) || m.Msg == SKM_STRINGSCHANGED) {
      auto* registry = reinterpret_cast<TspSkinData*>(m.WParam);
      gReceived.push_back({label_, m.Msg, m.WParam, m.LParam, registry->SkinEmpty()});
      delete std::exchange(freeOnMessage, nullptr);
    }
    TForm::WndProc(m);
  }
  TForm* freeOnMessage = nullptr;

private:
  std::string label_;
};

std::vector<uint8_t> SmallSkin() {
  auto package = skintest::MakePackage(3, {"[SKINCONTROLS]", "count=1", "0=button:button"});
  return skintest::Compress(skintest::PackageBytes(*package));
}

std::vector<std::pair<std::string, UINT>> Sequence() {
  std::vector<std::pair<std::string, UINT>> s;
  for (const TReceived& r : gReceived) s.emplace_back(r.Form, r.Msg);
  return s;
}

}  // namespace

TEST(SkinChangeMessages, TheOwnerFormHearsFirstThenEveryOtherForm) {
  gReceived.clear();
  auto* before = new TRecordingForm(nullptr, "before");
  auto* owner = new TRecordingForm(nullptr, "owner");
  auto* after = new TRecordingForm(nullptr, "after");
  auto* stored = new TspCompressedStoredSkin(owner);
  auto* data = new TspSkinData(owner);
  stored->SetCompressedData(SmallSkin());
  data->SetCompressedStoredSkin(stored);

  const std::vector<std::pair<std::string, UINT>> expected = {
      {"owner", SKM_SKINCHANGING},    {"before", SKM_SKINCHANGING},    {"after", SKM_SKINCHANGING},
      {"owner", SKM_SKINCHANGED},     {"before", SKM_SKINCHANGED},     {"after", SKM_SKINCHANGED},
      {"owner", SKM_SKINCHANGEDONE},  {"before", SKM_SKINCHANGEDONE},  {"after", SKM_SKINCHANGEDONE}};
  EXPECT_EQ(expected, Sequence());
  for (const TReceived& r : gReceived) {
    EXPECT_EQ(reinterpret_cast<WPARAM>(data), r.WParam);
    EXPECT_EQ(1000, r.LParam);
    EXPECT_EQ(r.Msg == SKM_SKINCHANGING, r.RegistryEmpty) << r.Form << " " << r.Msg;
  }
  EXPECT_EQ(0, data->FindControlIndex("button"));

  gReceived.clear();
  stored->SetCompressedData({0x78, 0xDA, 0x01});
  data->ApplyStoredSkin(*stored);
  EXPECT_EQ(expected, Sequence()) << "a damaged skin is announced all the same";
  EXPECT_TRUE(data->SkinEmpty());
  EXPECT_EQ(-1, data->FindControlIndex("button"));

  delete after;
  delete owner;
  delete before;
}

TEST(SkinChangeMessages, ARegistryOutsideAFormTellsEveryFormInScreenOrder) {
  gReceived.clear();
  auto* first = new TRecordingForm(nullptr, "first");
  auto* second = new TRecordingForm(nullptr, "second");
  TComponent holder(nullptr);
  auto* stored = new TspCompressedStoredSkin(&holder);
  auto* data = new TspSkinData(&holder);
  stored->SetCompressedData(SmallSkin());
  data->ApplyStoredSkin(*stored);
  const std::vector<std::pair<std::string, UINT>> expected = {
      {"first", SKM_SKINCHANGING},   {"second", SKM_SKINCHANGING},
      {"first", SKM_SKINCHANGED},    {"second", SKM_SKINCHANGED},
      {"first", SKM_SKINCHANGEDONE}, {"second", SKM_SKINCHANGEDONE}};
  EXPECT_EQ(expected, Sequence());
  delete second;
  delete first;
}

TEST(SkinChangeMessages, LinkingResourceStringsTellsTheOwnerFormFirstThenTheOthers) {
  gReceived.clear();
  auto* other = new TRecordingForm(nullptr, "other");
  auto* owner = new TRecordingForm(nullptr, "owner");
  auto* data = new TspSkinData(owner);
  auto* strings = new TspResourceStrData(owner);
  data->SetResourceStrData(strings);
  data->SetResourceStrData(nullptr);
  const std::vector<std::pair<std::string, UINT>> expected = {
      {"owner", SKM_STRINGSCHANGED}, {"other", SKM_STRINGSCHANGED},
      {"owner", SKM_STRINGSCHANGED}, {"other", SKM_STRINGSCHANGED}};
  EXPECT_EQ(expected, Sequence());
  for (const TReceived& r : gReceived) {
    EXPECT_EQ(reinterpret_cast<WPARAM>(data), r.WParam);
    EXPECT_EQ(1000, r.LParam);
  }
  delete owner;
  delete other;
}

TEST(SkinChangeMessages, AFormFreedByAnotherWhileItHearsIsSkippedAndTheRestStillHear) {
  gReceived.clear();
  auto* first = new TRecordingForm(nullptr, "first");
  auto* second = new TRecordingForm(nullptr, "second");
  auto* third = new TRecordingForm(nullptr, "third");
  second->freeOnMessage = first;
  TComponent holder(nullptr);
  auto* stored = new TspCompressedStoredSkin(&holder);
  auto* data = new TspSkinData(&holder);
  stored->SetCompressedData(SmallSkin());
  data->ApplyStoredSkin(*stored);
  const std::vector<std::pair<std::string, UINT>> expected = {
      {"first", SKM_SKINCHANGING},   {"second", SKM_SKINCHANGING}, {"third", SKM_SKINCHANGING},
      {"second", SKM_SKINCHANGED},   {"third", SKM_SKINCHANGED},
      {"second", SKM_SKINCHANGEDONE}, {"third", SKM_SKINCHANGEDONE}};
  EXPECT_EQ(expected, Sequence());
  EXPECT_FALSE(second->HandleAllocated());
  delete third;
  delete second;
}
