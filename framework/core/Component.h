#pragma once
// The component model: objects with class information, owners that free what they own,
// names, removal notices and the loading state.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Method.h"

namespace tmv {

class TClassInfo;
class TComponent;

class TObject {
public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  const char* ClassName() const;
  // True when this object's class is cls or derives from it.
  bool InheritsFrom(const TClassInfo& cls) const;
};

// Objects whose published properties can be read from a form resource.
class TPersistent : public TObject {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
  csLoading = 0x01,
  csReading = 0x02,
  csDestroying = 0x04,
  csDesigning = 0x08,
};

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Names are unique among the components of one owner, compared without regard to case.
  void SetName(const std::string& name);

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // Asks for opRemove when component is destroyed, whoever owns it (and tells it likewise).
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  uint32_t ComponentState() const { return state_; }
  bool IsLoading() const { return (state_ & csLoading) != 0; }
  bool IsDesigning() const { return (state_ & csDesigning) != 0; }
  bool IsDestroying() const { return (state_ & csDestroying) != 0; }
  void SetLoadingState(bool loading);
  void SetDesigning(bool designing);

  // Called once the whole form resource has been read and references resolved.
  virtual void Loaded();
  // The form reader calls this for a component nested in another's block; controls take
  // the enclosing windowed control as their parent.
  virtual void SetParentComponent(TComponent* parent) {}

  // Expires when the component is freed. Code that calls a handler which may free the
  // component checks it before touching the component again.
  std::weak_ptr<const void> LifeToken() const { return life_; }

protected:
  // opInsert when a component joins the owner; opRemove when one leaves or is freed.
  virtual void Notification(TComponent* component, TOperation operation);
  // The start of destruction: marks the component as destroying and sends its removal notices
  // (to the owner and to everyone who asked) while it is still whole. The destructor of a
  // class whose parts the receivers may use calls it first; later calls do nothing.
  void Destroying();
  // Destroys owned components, last-created first. Derived destructors that must run
  // while their owned components still exist call it themselves.
  void DestroyComponents();

private:
  void Remove(TComponent* component);
  void RemoveNotification(TComponent* component);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  uint32_t state_ = 0;
  std::shared_ptr<const void> life_ = std::make_shared<const char>(0);
};

}  // namespace tmv
