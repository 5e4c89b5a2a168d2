#include "framework/core/ClassInfo.h"

#include <cstring>

#include "framework/core/Colors.h"
#include "framework/core/TextUtils.h"

namespace tmv {

TPropValue TPropValue::Integer(int64_t value) {
  TPropValue v;
  v.kind = vkInteger;
  v.Int = value;
  return v;
}

TPropValue TPropValue::String(const std::string& text) {
  TPropValue v;
  v.kind = vkString;
  v.Str = text;
  return v;
}

TPropValue TPropValue::Ident(const std::string& name) {
  TPropValue v;
  v.kind = vkIdent;
  v.Str = name;
  return v;
}

TPropValue TPropValue::Set(const std::vector<std::string>& names) {
  TPropValue v;
  v.kind = vkSet;
  v.Items = names;
  return v;
}

int TEnumInfo::IndexOf(const std::string& name) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (name == Names[i]) return static_cast<int>(i);
  return -1;
}

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, Factory create,
                       std::vector<TPropInfo> props, std::vector<TMethodEntry> methods,
                       std::vector<TFieldEntry> fields)
    : name_(name), parent_(parent), create_(create), props_(std::move(props)),
      methods_(std::move(methods)), fields_(std::move(fields)) {}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

TComponent* TClassInfo::CreateInstance(TComponent* owner) const {
  if (!create_) throw EComponentError(Format("Cannot create an instance of %s", name_));
  return create_(owner);
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPropInfo& p : c->props_)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

const TMethodEntry* TClassInfo::FindMethod(const std::string& name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TMethodEntry& m : c->methods_)
      if (SameText(m.Name, name)) return &m;
  return nullptr;
}

const TFieldEntry* TClassInfo::FindField(const std::string& name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TFieldEntry& f : c->fields_)
      if (SameText(f.Name, name)) return &f;
  return nullptr;
}

namespace {

std::vector<const TClassInfo*>& Registry() {
  static std::vector<const TClassInfo*> classes;
  return classes;
}

struct TColorIdent {
  const char* Name;
  TColor Value;
};

const TColorIdent kColorIdents[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
};

}  // namespace

void RegisterClass(const TClassInfo& info) {
  const TClassInfo* known = FindClass(info.Name());
  if (known == &info) return;
  if (known) throw EComponentError(Format("A class named %s is already registered", info.Name()));
  Registry().push_back(&info);
}

void RegisterClasses(std::initializer_list<const TClassInfo*> infos) {
  for (const TClassInfo* info : infos) RegisterClass(*info);
}

const TClassInfo* FindClass(const std::string& name) {
  for (const TClassInfo* c : Registry())
    if (name == c->Name()) return c;
  return nullptr;
}

bool IdentToColor(const std::string& ident, uint32_t& color) {
  for (const TColorIdent& c : kColorIdents)
    if (SameText(ident, c.Name)) {
      color = c.Value;
      return true;
    }
  return false;
}

void TReadContext::Fail(const std::string& message, int line) {
  throw EPropertyError(Placed(message, line));
}

std::string TReadContext::Placed(const std::string& message, int line) const {
  return Format("Line %d: %s", line, message.c_str());
}

namespace detail {

void WrongValue(TReadContext& ctx, const std::string& prop, const TPropValue& v,
                const char* expected) {
  ctx.Fail("invalid value for property " + prop + ": expected " + expected, v.Line);
}

int64_t IntegerIn(TReadContext& ctx, const std::string& prop, const TPropValue& v, int64_t lo,
                  int64_t hi) {
  if (v.kind != TPropValue::vkInteger) WrongValue(ctx, prop, v, "an integer");
  if (v.Int < lo || v.Int > hi)
    ctx.Fail(Format("value %lld for property %s is out of range (%lld to %lld)",
                    static_cast<long long>(v.Int), prop.c_str(), static_cast<long long>(lo),
                    static_cast<long long>(hi)),
             v.Line);
  return v.Int;
}

bool BooleanOf(TReadContext& ctx, const std::string& prop, const TPropValue& v) {
  if (v.kind == TPropValue::vkIdent) {
    if (SameText(v.Str, "True")) return true;
    if (SameText(v.Str, "False")) return false;
  }
  WrongValue(ctx, prop, v, "True or False");
}

uint32_t ColorOf(TReadContext& ctx, const std::string& prop, const TPropValue& v) {
  // Colours are 32-bit patterns; a negative number is the same pattern written signed.
  if (v.kind == TPropValue::vkInteger && v.Int >= std::numeric_limits<int32_t>::min() &&
      v.Int <= std::numeric_limits<uint32_t>::max())
    return static_cast<uint32_t>(v.Int);
  uint32_t color = 0;
  if (v.kind == TPropValue::vkIdent && IdentToColor(v.Str, color)) return color;
  WrongValue(ctx, prop, v, "a colour");
}

int EnumOf(TReadContext& ctx, const std::string& prop, const TPropValue& v, const TEnumInfo& e) {
  if (v.kind == TPropValue::vkIdent) {
    int index = e.IndexOf(v.Str);
    if (index >= 0) return index;
  }
  WrongValue(ctx, prop, v, (std::string("a value of ") + e.TypeName).c_str());
}

uint32_t SetOf(TReadContext& ctx, const std::string& prop, const TPropValue& v, const TEnumInfo& e) {
  const std::string expected = std::string("a set of ") + e.TypeName;
  if (v.kind != TPropValue::vkSet) WrongValue(ctx, prop, v, expected.c_str());
  uint32_t bits = 0;
  for (const std::string& item : v.Items) {
    int index = e.IndexOf(item);
    if (index < 0 || index >= 32)
      ctx.Fail(item + " is not an element of " + e.TypeName + " for property " + prop, v.Line);
    bits |= 1u << index;
  }
  return bits;
}

}  // namespace detail

}  // namespace tmv
