#include "labels/RzShellOpen.h"

namespace tmv {

TRzShellCalls& RzShellCalls() {
  static TRzShellCalls calls{&ShellExecuteExA, &WinExec};
  return calls;
}

}  // namespace tmv
