#pragma once
// Events are method closures: an object and one of its methods. Two closures are equal when
// they name the same object and method; an unassigned closure does nothing when fired.
#include <utility>

namespace tmv {

class TObject;

template <class... Args>
class TMethod {
public:
  using Thunk = void (*)(TObject*, Args...);

  TMethod() = default;
  TMethod(TObject* data, Thunk code) : data_(data), code_(code) {}

  // TMethod<...>::Of<&TForm1::Button1Click>(form) binds a member function.
  template <auto Member, class C>
  static TMethod Of(C* object) {
    return TMethod(object, &Invoke<C, Member>);
  }

  bool Assigned() const { return code_ != nullptr; }
  explicit operator bool() const { return Assigned(); }
  void operator()(Args... args) const {
    if (code_) code_(data_, std::forward<Args>(args)...);
  }
  bool operator==(const TMethod& o) const { return data_ == o.data_ && code_ == o.code_; }
  bool operator!=(const TMethod& o) const { return !(*this == o); }
  TObject* Data() const { return data_; }
  Thunk Code() const { return code_; }

private:
  template <class C, auto Member>
  static void Invoke(TObject* data, Args... args) {
    (static_cast<C*>(data)->*Member)(std::forward<Args>(args)...);
  }

  TObject* data_ = nullptr;
  Thunk code_ = nullptr;
};

using TNotifyEvent = TMethod<TObject*>;

}  // namespace tmv
