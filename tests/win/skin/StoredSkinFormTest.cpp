#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/Streams.h"
#include "framework/gui/Forms.h"
#include "skin/data/SkinData.h"

using namespace tmv;

namespace {

// A form whose resource carries the default skin, as the main form does.
class TStoredSkinForm : public TForm {
public:
  explicit TStoredSkinForm(TComponent* owner) : TForm(owner) {
    RegisterSkinDataClasses();
    InitFormResource();
  }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TStoredSkinForm", &TForm::StaticClassInfo(), nullptr);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void WndProc(TMessage& m) override {
    if (m.Msg >= SKM_SKINCHANGING && m.Msg <= SKM_SKINCHANGEDONE) heard.push_back(m.Msg);
    TForm::WndProc(m);
  }
  std::vector<UINT> heard;
};

}  // namespace

TEST(StoredSkinForm, TheFormResourceCarriesTheSkinAndLoadsItAtCreation) {
  auto* form = new TStoredSkinForm(nullptr);
  auto* stored = dynamic_cast<TspCompressedStoredSkin*>(form->FindComponent("spCompressedStoredSkin1"));
  auto* data = dynamic_cast<TspSkinData*>(form->FindComponent("spSkinData1"));
  ASSERT_TRUE(stored && data);

  TMemoryStream packed;
  packed.LoadFromFile(TM_DEFAULT_SKIN_PACKAGE);
  EXPECT_EQ(packed.Bytes(), stored->CompressedData().Bytes());
  EXPECT_EQ("默认win7.skn", stored->CompressedFileName());

  EXPECT_EQ(stored, data->CompressedStoredSkin());
  EXPECT_FALSE(data->SkinEmpty()) << data->LastError();
  EXPECT_NE(-1, data->FindControlIndex("combobox"));
  EXPECT_EQ((std::vector<UINT>{SKM_SKINCHANGING, SKM_SKINCHANGED, SKM_SKINCHANGEDONE}), form->heard);
  EXPECT_FALSE(form->HandleAllocated()) << "the skin was announced without making the form's window";
  delete form;
}
