#pragma once

namespace orvik {

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The keyboard's lock states as the X server reports them; all off where no
// X server answers (other windowing systems do not tell them).
LockKeys ReadLockKeys();

}  // namespace orvik
