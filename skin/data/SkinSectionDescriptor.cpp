#include "skin/data/SkinSectionDescriptor.h"

namespace tmv {

void TspSkinSectionDescriptor::ReadFromDefinition(const TMemIniFile& ini) {
  TspSkinKeyReader reader(ini, IDName);
  ExchangeKeys(reader);
}

void TspSkinSectionDescriptor::WriteToDefinition(TMemIniFile& ini) {
  TspSkinKeyWriter writer(ini, IDName);
  ExchangeKeys(writer);
}

void TspSkinSectionDescriptor::ForgetMissingPictures(size_t activePictureCount) {
  TspPictureIndexCheck check(activePictureCount);
  ExchangeKeys(check);
}

}  // namespace tmv
