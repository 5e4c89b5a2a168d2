#pragma once
// Tables that map the kind written in a skin definition to the descriptor class it creates.
#include <cstddef>
#include <memory>
#include <string>

namespace tmv {

template <class Base>
struct TDescriptorKind {
  const char* Kind;
  std::unique_ptr<Base> (*Create)(const std::string& name);
};

template <class Base, class C>
std::unique_ptr<Base> MakeDescriptor(const std::string& name) {
  return std::make_unique<C>(name);
}

// Kinds are matched exactly; nullptr for a kind the table does not hold.
template <class Base, size_t N>
std::unique_ptr<Base> CreateDescriptorOfKind(const TDescriptorKind<Base> (&kinds)[N],
                                             const std::string& kind, const std::string& name) {
  for (const auto& entry : kinds)
    if (kind == entry.Kind) return entry.Create(name);
  return nullptr;
}

}  // namespace tmv
