#include "labels/RzRegIniFile.h"

#include "labels/RzFrameController.h"

namespace tmv {

namespace {

const TEnumInfo& PathTypeInfo() {
  static const TEnumInfo info{"TRzPathType", {"ptIniFile", "ptRegistry"}};
  return info;
}

const TEnumInfo& RegKeyInfo() {
  static const TEnumInfo info{"TRzRegKey",
                              {"hkeyClassesRoot", "hkeyCurrentUser", "hkeyLocalMachine", "hkeyUsers",
                               "hkeyPerformanceData", "hkeyCurrentConfig", "hkeyDynData"}};
  return info;
}

const TEnumInfo& RegAccessInfo() {
  static const TEnumInfo info{"TRzRegAccess",
                              {"keyQueryValue", "keySetValue", "keyCreateSubKey", "keyEnumerateSubKeys",
                               "keyNotify", "keyCreateLink", "keyRead", "keyWrite", "keyExecute",
                               "keyAllAccess"}};
  return info;
}

HKEY RootKey(TRzRegKey key) {
  static const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                               HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA};
  return roots[key];
}

}  // namespace

REGSAM RegAccessRights(TRzRegAccess access) {
  static const REGSAM rights[] = {KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_ENUMERATE_SUB_KEYS,
                                  KEY_NOTIFY, KEY_CREATE_LINK, KEY_READ, KEY_WRITE, KEY_EXECUTE,
                                  KEY_ALL_ACCESS};
  REGSAM result = 0;
  for (size_t i = 0; i < sizeof rights / sizeof rights[0]; ++i)
    if (access & (1u << i)) result |= rights[i];
  return result;
}

const TClassInfo& TRzRegIniFile::StaticClassInfo() {
  using C = TRzRegIniFile;
  static const TClassInfo info("TRzRegIniFile", &TComponent::StaticClassInfo(), &CreateComponent<C>,
                               {prop::String<&C::SetPath>("Path"),
                                prop::Enum<&C::SetPathType>("PathType", PathTypeInfo()),
                                prop::Enum<&C::SetRegKey>("RegKey", RegKeyInfo(), hkeyCurrentUser),
                                prop::Set<&C::SetRegAccess>("RegAccess", RegAccessInfo(), "[keyAllAccess]"),
                                IgnoredProperty("About")});
  return info;
}

TRzRegIniFile::TRzRegIniFile(TComponent* owner) : TComponent(owner) {}

TRzRegIniFile::~TRzRegIniFile() {
  if (registryKey_) RegCloseKey(registryKey_);
}

void TRzRegIniFile::SetPath(const std::string& value) { Change(path_, value); }
void TRzRegIniFile::SetPathType(TRzPathType value) { Change(pathType_, value); }
void TRzRegIniFile::SetRegKey(TRzRegKey value) { Change(regKey_, value); }
void TRzRegIniFile::SetRegAccess(TRzRegAccess value) { Change(regAccess_, value); }

void TRzRegIniFile::Reopen() {
  if (!reopen_) return;
  reopen_ = false;
  if (registryKey_) RegCloseKey(registryKey_);
  registryKey_ = nullptr;
  iniFile_ = std::make_unique<TMemIniFile>();
  if (pathType_ == ptIniFile) {
    if (GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES) iniFile_ = std::make_unique<TMemIniFile>(path_);
  } else if (RegOpenKeyExA(RootKey(regKey_), path_.c_str(), 0, RegAccessRights(regAccess_), &registryKey_) !=
             ERROR_SUCCESS) {
    registryKey_ = nullptr;
  }
}

TMemIniFile& TRzRegIniFile::IniFile() {
  Reopen();
  return *iniFile_;
}

HKEY TRzRegIniFile::RegistryKey() {
  Reopen();
  return registryKey_;
}

}  // namespace tmv
