#pragma once

#include <QSize>
#include <QString>

class QDialog;

namespace orvik {

// The frame of a window the formula dialog opens on a calculation's
// results (sweep, solve, tolerance): a window of its own, modal to the
// dialog so the formula cannot change under it, deleted when closed.
void FrameResultWindow(QDialog& window, int control_id, const QString& title, QSize size);

}  // namespace orvik
