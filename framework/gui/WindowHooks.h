#pragma once
// Hooks other components put in front of a window procedure or of the message loop. Each
// component adds and removes its own, in any order; a hook goes by itself when the object it
// calls is freed (see TWinControl::AddWindowHook and TApplication::AddMessageHook).
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "framework/core/Component.h"
#include "framework/gui/Messages.h"

namespace tmv {

// A list of hooks, newest last. Hooks added or removed while a message passes through the
// list take effect at once for the steps still to come.
template <class Hook>
class THookList {
public:
  void Add(Hook hook) { entries_.push_back({++lastId_, hook}); }
  // Removes the newest entry of hook; a hook not in the list is ignored.
  void Remove(Hook hook) {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
      if (it->hook == hook) {
        entries_.erase(std::next(it).base());
        return;
      }
  }
  // Removes every hook that calls object.
  void RemoveObject(const TObject* object) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.hook.Data() == object; }),
                   entries_.end());
  }
  bool Empty() const { return entries_.empty(); }

  struct Entry {
    unsigned id;
    Hook hook;
  };
  // The newest hook older than the one with the given id (0: the newest of all), or null.
  const Entry* Below(unsigned id) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
      if (id == 0 || it->id < id) return &*it;
    return nullptr;
  }

private:
  std::vector<Entry> entries_;
  unsigned lastId_ = 0;
};

class TWindowHooks;

// What lies behind a hook: the hooks added before it, then the window's own procedure.
class TWindowHookNext {
public:
  void operator()(TMessage& message) const;

private:
  friend class TWindowHooks;
  TWindowHookNext(const TWindowHooks& hooks, unsigned below, TWndMethod last)
      : hooks_(hooks), below_(below), last_(last) {}
  const TWindowHooks& hooks_;
  unsigned below_;
  TWndMethod last_;
};

// A hook gets each message first: it answers it itself (setting Result), or passes it on with
// next(message) and may change what came back.
using TWindowHook = TMethod<TMessage&, const TWindowHookNext&>;

class TWindowHooks : public THookList<TWindowHook> {
public:
  // Runs the message through the hooks, newest first, and then through last.
  void Dispatch(TMessage& message, TWndMethod last) const { TWindowHookNext(*this, 0, last)(message); }
};

inline void TWindowHookNext::operator()(TMessage& message) const {
  const auto* entry = hooks_.Below(below_);
  if (!entry) {
    last_(message);
    return;
  }
  // Copied: the hook may remove itself or others from the list.
  const TWindowHook hook = entry->hook;
  hook(message, TWindowHookNext(hooks_, entry->id, last_));
}

// A hook on the message loop: sees each message taken from the queue before it is dispatched;
// setting handled keeps it from older hooks, OnMessage and its window.
using TMessageHook = TMethod<MSG&, bool&>;

class TMessageHooks : public THookList<TMessageHook> {
public:
  // Calls the hooks, newest first, until one has handled the message; true if one has.
  bool Run(MSG& msg) const {
    bool handled = false;
    unsigned below = 0;
    while (const Entry* e = Below(below)) {
      below = e->id;
      const TMessageHook hook = e->hook;  // the entry may go while the hook runs
      hook(msg, handled);
      if (handled) return true;
    }
    return false;
  }
};

}  // namespace tmv
