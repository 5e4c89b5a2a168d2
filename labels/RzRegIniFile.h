#pragma once
// Names a settings store: an INI file or a registry key. Changing where it points marks the
// store to be opened again the next time it is used.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/ClassInfo.h"
#include "framework/core/IniFiles.h"

namespace tmv {

enum TRzPathType { ptIniFile, ptRegistry };
enum TRzRegKey {
  hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData,
  hkeyCurrentConfig, hkeyDynData
};
enum TRzRegAccessItem : uint32_t {
  keyQueryValue = 1 << 0, keySetValue = 1 << 1, keyCreateSubKey = 1 << 2, keyEnumerateSubKeys = 1 << 3,
  keyNotify = 1 << 4, keyCreateLink = 1 << 5, keyRead = 1 << 6, keyWrite = 1 << 7, keyExecute = 1 << 8,
  keyAllAccess = 1 << 9
};
using TRzRegAccess = uint32_t;

// The access rights a set of access items asks for.
REGSAM RegAccessRights(TRzRegAccess access);

class TRzRegIniFile : public TComponent {
public:
  explicit TRzRegIniFile(TComponent* owner);
  ~TRzRegIniFile() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& value);
  TRzPathType PathType() const { return pathType_; }
  void SetPathType(TRzPathType value);
  TRzRegKey RegKey() const { return regKey_; }
  void SetRegKey(TRzRegKey value);
  TRzRegAccess RegAccess() const { return regAccess_; }
  void SetRegAccess(TRzRegAccess value);

  bool ReopenPending() const { return reopen_; }
  // The INI file at Path, read when first asked for after a change; empty when the file
  // does not exist.
  TMemIniFile& IniFile();
  // The key Path under RegKey, opened with RegAccess; null when it cannot be opened.
  HKEY RegistryKey();

private:
  template <class T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    reopen_ = true;
  }
  void Reopen();

  std::string path_;
  TRzPathType pathType_ = ptIniFile;
  TRzRegKey regKey_ = hkeyCurrentUser;
  TRzRegAccess regAccess_ = keyAllAccess;
  bool reopen_ = true;
  std::unique_ptr<TMemIniFile> iniFile_;
  HKEY registryKey_ = nullptr;  // closed by Reopen and the destructor
};

}  // namespace tmv
