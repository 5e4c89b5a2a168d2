#include "framework/core/PublishedProperties.h"


#include "framework/core/TextUtils.h"

namespace tmv {

namespace {

const TPropInfo* SettableProperty(const TObject& object, const std::string& name) {
  const TPropInfo* prop = object.ClassInfo().FindProperty(name);
  if (!prop || prop->Kind == TPropKind::Object || prop->Kind == TPropKind::Obsolete) return nullptr;
  return prop;
}

// Resolves names at once instead of after a whole resource; its messages name no line.
class TRunTimeContext : public TReadContext {
public:
  explicit TRunTimeContext(TObject& object) {
    if (auto* component = dynamic_cast<TComponent*>(&object))
      root_ = component->Owner() ? component->Owner() : component;
  }

  TComponent& Root() override {
    if (!root_) Fail("a component or method name needs an object that is a component", 0);
    return *root_;
  }

  void AddFixup(const std::string& name, const std::string& what,
                std::function<bool(TComponent*)> assign, int line) override {
    TComponent& root = Root();
    TComponent* target = SameText(name, root.Name()) ? &root : root.FindComponent(name);
    if (!target) Fail("component " + name + " for property " + what + " not found", line);
    if (!assign(target))
      Fail("component " + name + " for property " + what + " is a " + target->ClassName() +
               ", which it cannot hold",
           line);
  }

protected:
  std::string Placed(const std::string& message, int) const override { return message; }

private:
  TComponent* root_ = nullptr;
};

}  // namespace

bool IsPublishedProperty(const TObject& object, const std::string& name) {
  return SettableProperty(object, name) != nullptr;
}

bool SetPublishedProperty(TObject& object, const std::string& name, const TPropValue& value) {
  const TPropInfo* prop = SettableProperty(object, name);
  if (!prop) return false;
  TRunTimeContext context(object);
  prop->Apply(object, value, context);
  return true;
}

}  // namespace tmv
