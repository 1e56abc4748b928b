#include "library/result_window.h"

#include <QDialog>

#include "platform/control_id.h"

namespace orvik {

void FrameResultWindow(QDialog& window, int control_id, const QString& title, QSize size)
{
    SetControlId(window, control_id);
    window.setWindowTitle(title);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setWindowModality(Qt::WindowModal);
    window.resize(size);
}

}  // namespace orvik
