#pragma once
// Choosing a folder with the platform's folder browser. Linking this unit initialises OLE on
// the GUI thread before the program's main routine runs and uninitialises it at exit.
#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <string>

namespace tmv {

// Shows the folder browser, owned by ModalOwner, with prompt above its tree, rooted at root
// (the desktop when empty) and opened on folder when that is an existing directory. It is
// modal to the whole program (TModalBoxScope) and critical-error boxes are suppressed while it
// is open. When the user
// confirms a file-system folder, folder receives its path and the answer is true; otherwise
// folder is left as it was (emptied if it did not exist) and the answer is false.
bool ChooseFolder(const std::string& prompt, const std::string& root, std::string& folder);

// While set, called in place of the platform's browser with the description it would get;
// the answer is the chosen item (allocated with the shell's allocator) or null for a cancel.
using TFolderBrowserHook = std::function<LPITEMIDLIST(BROWSEINFOA& info)>;
void SetFolderBrowserHook(TFolderBrowserHook hook);

}  // namespace tmv
