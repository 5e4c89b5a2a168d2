#pragma once
// What one section of a skin definition says. A descriptor names its keys once, in
// ExchangeKeys, and reading, writing back and checking picture indexes all walk that one list,
// so what is written is exactly what is read.
#include <cstddef>
#include <string>
#include <utility>

#include "skin/data/SkinKeyExchange.h"

namespace tmv {

class TMemIniFile;

class TspSkinSectionDescriptor {
public:
  // name is the descriptor's name and the name of its section.
  explicit TspSkinSectionDescriptor(std::string name) : IDName(std::move(name)) {}
  virtual ~TspSkinSectionDescriptor() = default;
  TspSkinSectionDescriptor(const TspSkinSectionDescriptor&) = delete;
  TspSkinSectionDescriptor& operator=(const TspSkinSectionDescriptor&) = delete;

  virtual void ReadFromDefinition(const TMemIniFile& ini);
  // Writes over the keys the descriptor reads; other keys of the section stay.
  virtual void WriteToDefinition(TMemIniFile& ini);
  // Every picture index beyond the loaded active pictures (or below -1) becomes -1.
  void ForgetMissingPictures(size_t activePictureCount);

  std::string IDName;

protected:
  // Names every key, the base classes' first, in reading order.
  virtual void ExchangeKeys(TspSkinKeyExchange& keys) = 0;
};

}  // namespace tmv
