#include "framework/core/FormReader.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/core/TextUtils.h"

namespace tmv {

namespace {

template <class E = EReadError>
[[noreturn]] void ErrorAt(int line, const std::string& message) {
  throw E(Format("Line %d: %s", line, message.c_str()));
}

struct TToken {
  enum Kind { tkEnd, tkIdent, tkInteger, tkString, tkBinary, tkSymbol };
  Kind kind = tkEnd;
  std::string Text;  // identifier, string bytes or the symbol
  int64_t Int = 0;
  std::vector<uint8_t> Bytes;
  int Line = 1;

  bool Is(char symbol) const { return kind == tkSymbol && Text[0] == symbol; }
  bool IsWord(const char* word) const { return kind == tkIdent && SameText(Text, word); }
};

std::string Describe(const TToken& t) {
  switch (t.kind) {
    case TToken::tkEnd: return "the end of the text";
    case TToken::tkIdent: return t.Text;
    case TToken::tkInteger: return "a number";
    case TToken::tkString: return "a string";
    case TToken::tkBinary: return "binary data";
    case TToken::tkSymbol: return "'" + t.Text + "'";
  }
  return "?";
}

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '.'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class TFormLexer {
public:
  explicit TFormLexer(const std::string& text) : text_(text) { next_ = Scan(); }

  const TToken& Peek() const { return next_; }
  TToken Next() {
    TToken t = std::move(next_);
    next_ = Scan();
    return t;
  }

private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Cur() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipBlanks() {
    while (!AtEnd() && static_cast<unsigned char>(Cur()) <= ' ') {
      if (Cur() == '\n' || (Cur() == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n')))
        ++line_;
      ++pos_;
    }
  }

  TToken Scan() {
    SkipBlanks();
    TToken t;
    t.Line = line_;
    if (AtEnd()) return t;
    char c = Cur();
    if (IsIdentStart(c)) {
      t.kind = TToken::tkIdent;
      size_t start = pos_;
      while (!AtEnd() && IsIdentChar(Cur())) ++pos_;
      t.Text = text_.substr(start, pos_ - start);
    } else if (IsDigit(c) || c == '$' || c == '-' || c == '+') {
      t.kind = TToken::tkInteger;
      t.Int = ScanInteger();
    } else if (c == '"' || c == '#') {
      t.kind = TToken::tkString;
      t.Text = c == '"' ? ScanQuoted() : ScanCharCode();
    } else if (c == '{') {
      t.kind = TToken::tkBinary;
      t.Bytes = ScanBinary();
    } else if (c == '=' || c == ':' || c == '[' || c == ']' || c == '(' || c == ')' || c == ',') {
      t.kind = TToken::tkSymbol;
      t.Text = std::string(1, c);
      ++pos_;
    } else {
      unsigned char b = static_cast<unsigned char>(c);
      ErrorAt(line_, b > ' ' && b < 0x7F ? Format("unexpected character '%c'", c)
                                          : Format("unexpected byte $%02X", b));
    }
    return t;
  }

  // Digits of the given base into a magnitude no larger than limit.
  uint64_t ScanDigits(int base, uint64_t limit) {
    size_t start = pos_;
    uint64_t value = 0;
    for (; !AtEnd(); ++pos_) {
      int d = HexValue(Cur());
      if (d < 0 || d >= base) break;
      value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
      if (value > limit) ErrorAt(line_, "number too large");
    }
    if (pos_ == start || IsIdentChar(Cur())) ErrorAt(line_, "invalid number");
    return value;
  }

  int64_t ScanInteger() {
    bool negative = false;
    if (Cur() == '-' || Cur() == '+') negative = text_[pos_++] == '-';
    int base = 10;
    if (Cur() == '$') {
      base = 16;
      ++pos_;
    }
    const uint64_t limit = negative ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull;
    uint64_t magnitude = ScanDigits(base, limit);
    return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  }

  std::string ScanQuoted() {
    std::string s;
    ++pos_;
    for (;;) {
      if (AtEnd() || Cur() == '\r' || Cur() == '\n') ErrorAt(line_, "unterminated string");
      if (Cur() == '"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          s += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;
        return s;
      }
      s += text_[pos_++];
    }
  }

  std::string ScanCharCode() {
    ++pos_;
    int base = 10;
    if (Cur() == '$') {
      base = 16;
      ++pos_;
    }
    uint64_t code = ScanDigits(base, 0xFFFF);
    if (code > 255) ErrorAt(line_, Format("character code %u is not a byte", static_cast<unsigned>(code)));
    return std::string(1, static_cast<char>(code));
  }

  std::vector<uint8_t> ScanBinary() {
    int startLine = line_;
    ++pos_;
    std::vector<uint8_t> bytes;
    int high = -1;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) ErrorAt(startLine, "unterminated binary data");
      char c = text_[pos_++];
      if (c == '}') break;
      int d = HexValue(c);
      if (d < 0) ErrorAt(line_, "invalid character in binary data");
      if (high < 0) {
        high = d;
      } else {
        bytes.push_back(static_cast<uint8_t>(high << 4 | d));
        high = -1;
      }
    }
    if (high >= 0) ErrorAt(line_, "binary data has an odd number of hexadecimal digits");
    return bytes;
  }

  const std::string& text_;
  size_t pos_ = 0;
  int line_ = 1;
  TToken next_;
};

class TFormReader : public TReadContext {
public:
  TFormReader(TComponent& root, const std::string& text) : root_(root), lexer_(text) {}

  void Read() {
    try {
      root_.SetLoadingState(true);
      ReadRoot();
      ResolveFixups();
      for (TComponent* c : created_) c->Loaded();
      root_.Loaded();
    } catch (...) {
      Abandon();
      throw;
    }
  }

  TComponent& Root() override { return root_; }

  void AddFixup(const std::string& name, const std::string& what,
                std::function<bool(TComponent*)> assign, int line) override {
    fixups_.push_back({name, what, std::move(assign), line});
  }

private:
  struct TFixup {
    std::string Name, What;
    std::function<bool(TComponent*)> Assign;
    int Line;
  };
  // Deeper nesting than any form needs; it keeps hostile input off the end of the stack.
  static constexpr int kMaxDepth = 64;

  TToken Expect(TToken::Kind kind, const char* what) {
    if (lexer_.Peek().kind != kind)
      ErrorAt(lexer_.Peek().Line, std::string(what) + " expected, found " + Describe(lexer_.Peek()));
    return lexer_.Next();
  }
  void ExpectSymbol(char symbol) {
    if (!lexer_.Peek().Is(symbol))
      ErrorAt(lexer_.Peek().Line, Format("'%c' expected, found ", symbol) + Describe(lexer_.Peek()));
    lexer_.Next();
  }

  struct THeader {
    std::string Name, ClassName;
    int Line;
  };
  THeader ReadHeader() {
    TToken word = lexer_.Next();
    if (!word.IsWord("object")) ErrorAt(word.Line, "object expected, found " + Describe(word));
    THeader h;
    h.Line = word.Line;
    h.Name = Expect(TToken::tkIdent, "component name").Text;
    ExpectSymbol(':');
    h.ClassName = Expect(TToken::tkIdent, "class name").Text;
    return h;
  }

  void ReadRoot() {
    THeader h = ReadHeader();
    if (h.ClassName != root_.ClassName())
      ErrorAt(h.Line, "the text describes a " + h.ClassName + ", not a " + root_.ClassName());
    SetName(root_, h.Name, h.Line);
    ReadBody(root_, 1);
    if (lexer_.Peek().kind != TToken::tkEnd)
      ErrorAt(lexer_.Peek().Line, "unexpected " + Describe(lexer_.Peek()) + " after the root object");
  }

  void ReadBody(TComponent& component, int depth) {
    for (;;) {
      const TToken& t = lexer_.Peek();
      if (t.kind == TToken::tkEnd) ErrorAt(t.Line, "end expected for object " + component.Name());
      if (t.IsWord("end")) {
        lexer_.Next();
        return;
      }
      if (t.IsWord("object")) {
        if (depth >= kMaxDepth) ErrorAt(t.Line, "objects nested too deeply");
        TComponent& child = ReadChild(component);
        ReadBody(child, depth + 1);
      } else {
        ReadProperty(component);
      }
    }
  }

  TComponent& ReadChild(TComponent& parent) {
    THeader h = ReadHeader();
    const TClassInfo* info = FindClass(h.ClassName);
    if (!info) ErrorAt<EClassNotFound>(h.Line, "class " + h.ClassName + " not found");
    if (!info->CanCreate()) ErrorAt<EClassNotFound>(h.Line, "class " + h.ClassName + " cannot be created");
    TComponent* child = info->CreateInstance(&root_);
    created_.push_back(child);
    child->SetLoadingState(true);
    SetName(*child, h.Name, h.Line);
    if (const TFieldEntry* field = root_.ClassInfo().FindField(h.Name)) {
      if (!field->Assign(root_, child))
        ErrorAt(h.Line, "field " + field->Name + " of " + root_.ClassName() + " cannot hold a " +
                            h.ClassName);
      assignedFields_.push_back(field);
    }
    child->SetParentComponent(&parent);
    return *child;
  }

  static void SetName(TComponent& component, const std::string& name, int line) {
    try {
      component.SetName(name);
    } catch (const EComponentError& e) {
      ErrorAt(line, e.what());
    }
  }

  void ReadProperty(TComponent& component) {
    TToken name = Expect(TToken::tkIdent, "property name");
    ExpectSymbol('=');
    TPropValue value = ReadValue();
    TObject* target = &component;
    const TPropInfo* prop = nullptr;
    size_t start = 0;
    for (;;) {
      size_t dot = name.Text.find('.', start);
      std::string part = name.Text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
      prop = target->ClassInfo().FindProperty(part);
      if (!prop)
        ErrorAt<EPropertyError>(name.Line, "property " + name.Text + " does not exist in " +
                                               component.ClassName());
      if (dot == std::string::npos) break;
      TPersistent* sub = prop->Kind == TPropKind::Object ? prop->SubObject(*target) : nullptr;
      if (!sub)
        ErrorAt<EPropertyError>(name.Line, "property " + name.Text.substr(0, dot) + " of " +
                                               component.ClassName() + " has no properties");
      target = sub;
      start = dot + 1;
    }
    if (prop->Kind == TPropKind::Obsolete) return;
    if (prop->Kind == TPropKind::Object)
      ErrorAt<EPropertyError>(name.Line, "property " + name.Text + " is an object: set its properties as " +
                                             name.Text + ".Name");
    try {
      prop->Apply(*target, value, *this);
    } catch (const EPropertyError&) {
      throw;
    } catch (const std::exception& e) {
      ErrorAt(name.Line, "property " + name.Text + ": " + e.what());
    }
  }

  std::string ReadString() {
    std::string s = Expect(TToken::tkString, "string").Text;
    while (lexer_.Peek().kind == TToken::tkString) s += lexer_.Next().Text;
    return s;
  }

  TPropValue ReadValue() {
    TPropValue v;
    v.Line = lexer_.Peek().Line;
    const TToken& t = lexer_.Peek();
    switch (t.kind) {
      case TToken::tkInteger:
        v.kind = TPropValue::vkInteger;
        v.Int = lexer_.Next().Int;
        return v;
      case TToken::tkString:
        v.kind = TPropValue::vkString;
        v.Str = ReadString();
        return v;
      case TToken::tkIdent:
        if (t.IsWord("end") || t.IsWord("object")) break;
        v.kind = TPropValue::vkIdent;
        v.Str = lexer_.Next().Text;
        return v;
      case TToken::tkBinary:
        v.kind = TPropValue::vkBinary;
        v.Bytes = lexer_.Next().Bytes;
        return v;
      default:
        break;
    }
    if (t.Is('[')) {
      v.kind = TPropValue::vkSet;
      lexer_.Next();
      if (!lexer_.Peek().Is(']'))
        for (;;) {
          v.Items.push_back(Expect(TToken::tkIdent, "set element").Text);
          if (!lexer_.Peek().Is(',')) break;
          lexer_.Next();
        }
      ExpectSymbol(']');
      return v;
    }
    if (t.Is('(')) {
      v.kind = TPropValue::vkList;
      lexer_.Next();
      if (!lexer_.Peek().Is(')'))
        for (;;) {
          v.Items.push_back(ReadString());
          if (!lexer_.Peek().Is(',')) break;
          lexer_.Next();
        }
      ExpectSymbol(')');
      return v;
    }
    ErrorAt(t.Line, "value expected, found " + Describe(t));
  }

  TComponent* FindByName(const std::string& name) {
    if (SameText(name, root_.Name())) return &root_;
    return root_.FindComponent(name);
  }

  // Every name is looked up before any reference is set, so a missing component leaves
  // all references unset.
  void ResolveFixups() {
    std::vector<TComponent*> targets;
    for (const TFixup& f : fixups_) {
      TComponent* c = FindByName(f.Name);
      if (!c) ErrorAt(f.Line, "component " + f.Name + " for property " + f.What + " not found");
      targets.push_back(c);
    }
    for (size_t i = 0; i < fixups_.size(); ++i)
      if (!fixups_[i].Assign(targets[i]))
        ErrorAt(fixups_[i].Line, "component " + fixups_[i].Name + " for property " + fixups_[i].What +
                                     " is a " + targets[i]->ClassName() + ", which it cannot hold");
  }

  // Leaves no half-built form: what this reading created goes, last-created first, and
  // the root's fields forget it.
  void Abandon() noexcept {
    for (const TFieldEntry* field : assignedFields_) field->Assign(root_, nullptr);
    while (!created_.empty()) {
      delete created_.back();
      created_.pop_back();
    }
    root_.SetLoadingState(false);
  }

  TComponent& root_;
  TFormLexer lexer_;
  std::vector<TComponent*> created_;
  std::vector<const TFieldEntry*> assignedFields_;
  std::vector<TFixup> fixups_;
};

}  // namespace

void ReadComponentText(TComponent& root, const std::string& text) {
  TFormReader(root, text).Read();
}

void ReadComponent(TComponent& root, TStream& stream) { ReadComponentText(root, ReadToEnd(stream)); }

}  // namespace tmv
