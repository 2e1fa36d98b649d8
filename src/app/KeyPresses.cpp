#include "KeyPresses.h"

namespace tarvik {

Qt::KeyboardModifiers KeyPresses::Released(int key, Qt::KeyboardModifiers held) {
    const auto it = down_.find(key);
    if (it == down_.end()) return held;
    const Qt::KeyboardModifiers atPress = it->second;
    down_.erase(it);
    return atPress;
}

}  // namespace tarvik
