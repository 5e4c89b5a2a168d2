// Looks at the running TalvexMorvane from outside its process, for the end-to-end test.
//   count        prints the number of items in the window's icon list
//   dialog       succeeds when an open dialog is showing
//   type TEXT    types TEXT into the open dialog's file name box, then presses Open
//   button LEFT  prints the screen point "X Y" in the middle of the tool button whose left edge
//                is LEFT pixels into its parent's client area (8: open, 192: save selected,
//                224: save all); the test presses it there with the real mouse
//   folder       in the folder browser, selects the first folder it accepts and confirms it
//   summary      succeeds when the export summary is showing
//   answer       confirms the export summary
//   enabled      succeeds when the window takes input
//   top          succeeds when the window is the one seen at its own centre
//   caption      prints the screen point "X Y" in the middle of the window's caption
//   window       prints the window's screen rectangle "LEFT TOP RIGHT BOTTOM"
//   close        asks the window to close
//   focus        prints 1 or 0 (the window is the foreground window), the class of the window
//                holding the keyboard focus in the program and its left edge in its parent's
//                client area
//   listpos      prints the screen position of the middle of the icon list
//   modal        succeeds when a dialog box of the program (a message box, the folder
//                browser) is showing
//   taskbar      succeeds when the program's taskbar button is its application window's (shown,
//                unowned, titled "TalvexMorvane") and the window owns the main window, which has
//                no button of its own
//   minimize     minimizes the main window as its caption button does
//   restore      restores the program as its taskbar button does
//   shown        succeeds when the main window is visible
// Exit status 0 on success, 1 when the window or control it needs is not there (yet).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND MainWindow() { return FindWindowA(nullptr, "TalvexMorvane V2.5(文件图标提取器)"); }
HWND ApplicationWindow() { return FindWindowA("TMApplication", "TalvexMorvane"); }

// The window class of the tool buttons, named after the control class.
const char kButtonClass[] = "TspSkinButton";

struct ChildSearch {
  const char* className;
  HWND found;
};

BOOL CALLBACK FindChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (_stricmp(name, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

// The first child of that class anywhere under parent.
HWND Child(HWND parent, const char* className) {
  ChildSearch search{className, nullptr};
  if (parent) EnumChildWindows(parent, &FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK FindModal(HWND window, LPARAM param) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (strcmp(name, "#32770") != 0 || !IsWindowVisible(window) || process != *reinterpret_cast<DWORD*>(param))
    return TRUE;
  *reinterpret_cast<DWORD*>(param) = 0;
  return FALSE;
}

HWND OpenDialog() {
  HWND dialog = FindWindowA("#32770", "选择要提取图标的文件");
  return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

// The file name box: the edit of the dialog's file name combo box, or its plain edit.
HWND FileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, 0x47C);  // cmb13
  if (box) {
    HWND edit = Child(box, "Edit");
    if (edit) return edit;
  }
  return GetDlgItem(dialog, 0x480);  // edt1
}

HWND FolderBrowser() {
  HWND dialog = nullptr;
  while ((dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr)))
    if (IsWindowVisible(dialog) && Child(dialog, WC_TREEVIEWA)) return dialog;
  return nullptr;
}

HWND Summary() {
  HWND box = FindWindowA("#32770", "TalvexMorvane");
  return box && IsWindowVisible(box) ? box : nullptr;
}

// Selects tree items breadth first, expanding each, until the dialog's OK button comes on.
bool ChooseFirstFolder(HWND dialog) {
  HWND tree = Child(dialog, WC_TREEVIEWA);
  HWND ok = GetDlgItem(dialog, IDOK);
  auto item = [&](UINT relation, LPARAM from) {
    return reinterpret_cast<LPARAM>(reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, from)));
  };
  LPARAM level = item(TVGN_ROOT, 0);
  for (int depth = 0; depth < 3 && level; ++depth) {
    LPARAM next = 0;
    for (LPARAM node = level; node; node = item(TVGN_NEXT, node)) {
      SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, node);
      Sleep(200);
      if (IsWindowEnabled(ok)) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
        return true;
      }
      SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, node);
      if (!next) next = item(TVGN_CHILD, node);
    }
    level = next;
  }
  return false;
}

// The window's left edge in its parent's client area.
int LeftInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  POINT corner = {r.left, r.top};
  ScreenToClient(GetParent(window), &corner);
  return corner.x;
}

struct ButtonSearch {
  int left;
  HWND found;
};

BOOL CALLBACK FindButtonAt(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ButtonSearch*>(param);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (strcmp(name, kButtonClass) == 0 && LeftInParent(window) == search->left) search->found = window;
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string command = argv[1];
  HWND main = MainWindow();
  if (command == "count") {
    HWND list = Child(main, WC_LISTVIEWA);
    if (!list) return 1;
    std::printf("%d\n", static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)));
    return 0;
  }
  if (command == "dialog") return OpenDialog() ? 0 : 1;
  if (command == "type" && argc > 2) {
    HWND dialog = OpenDialog();
    HWND edit = dialog ? FileNameBox(dialog) : nullptr;
    if (!edit) return 1;
    PostMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* c = argv[2]; *c; ++c) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return 0;
  }
  if (command == "focus") {
    if (!main) return 1;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return 1;
    char name[64] = "-";
    int left = 0;
    if (info.hwndFocus) {
      GetClassNameA(info.hwndFocus, name, sizeof name);
      left = LeftInParent(info.hwndFocus);
    }
    std::printf("%d %s %d\n", GetForegroundWindow() == main ? 1 : 0, name, left);
    return 0;
  }
  if (command == "listpos") {
    HWND list = Child(main, WC_LISTVIEWA);
    if (!list) return 1;
    RECT r;
    GetWindowRect(list, &r);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
  }
  if (command == "modal") {
    if (!main) return 1;
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    EnumWindows(&FindModal, reinterpret_cast<LPARAM>(&process));
    return process == 0 ? 0 : 1;
  }
  if (command == "button" && argc > 2) {
    ButtonSearch search{std::atoi(argv[2]), nullptr};
    if (main) EnumChildWindows(main, &FindButtonAt, reinterpret_cast<LPARAM>(&search));
    RECT r;
    if (!search.found || !IsWindowVisible(search.found) || !GetWindowRect(search.found, &r)) return 1;
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
  }
  if (command == "folder") {
    HWND dialog = FolderBrowser();
    return dialog && ChooseFirstFolder(dialog) ? 0 : 1;
  }
  if (command == "summary") return Summary() ? 0 : 1;
  if (command == "answer") {
    HWND box = Summary();
    if (!box) return 1;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    return 0;
  }
  if (command == "enabled") return main && IsWindowEnabled(main) ? 0 : 1;
  if (command == "top") {
    RECT r;
    if (!main || !GetWindowRect(main, &r)) return 1;
    HWND seen = WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    return seen && GetAncestor(seen, GA_ROOT) == main ? 0 : 1;
  }
  if (command == "window") {
    RECT r;
    if (!main || !GetWindowRect(main, &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (command == "caption") {
    RECT r;
    if (!main || !GetWindowRect(main, &r)) return 1;
    std::printf("%d %d\n", static_cast<int>((r.left + r.right) / 2), static_cast<int>(r.top + 10));
    return 0;
  }
  if (command == "taskbar") {
    HWND app = ApplicationWindow();
    return app && main && IsWindowVisible(app) && !GetWindow(app, GW_OWNER) &&
                   !(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && GetWindow(main, GW_OWNER) == app &&
                   !(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_APPWINDOW)
               ? 0
               : 1;
  }
  if (command == "minimize") return main && PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0) ? 0 : 1;
  if (command == "restore") {
    HWND app = ApplicationWindow();
    return app && PostMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0) ? 0 : 1;
  }
  if (command == "shown") return main && IsWindowVisible(main) ? 0 : 1;
  if (command == "close") {
    if (!main) return 1;
    PostMessageA(main, WM_CLOSE, 0, 0);
    return 0;
  }
  return 2;
}
