#pragma once

class QWidget;

namespace orvik {

// Gives the calculator window's controls below `root` their tooltips.
void ApplyControlTips(QWidget& root);

}  // namespace orvik
