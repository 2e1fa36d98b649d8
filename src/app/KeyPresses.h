#pragma once

#include <Qt>
#include <map>

namespace tarvik {

// The modifiers each key went down with, kept for its release. Keys act when released, but a
// chord typed fast (by a quick hand, or sent at once by a macro tool) lets its modifier go
// before its key, so the release alone no longer shows the modifier.
class KeyPresses {
  public:
    void Pressed(int key, Qt::KeyboardModifiers modifiers) { down_[key] = modifiers; }
    // The modifiers the key went down with, forgotten with this; held when its press was not
    // seen (it went down in another program).
    Qt::KeyboardModifiers Released(int key, Qt::KeyboardModifiers held);

  private:
    std::map<int, Qt::KeyboardModifiers> down_;
};

}  // namespace tarvik
