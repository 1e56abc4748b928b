#pragma once

#include <QObject>
#include <QString>

namespace orvik {

// A control's identifier is its objectName, written as the decimal number.
inline void SetControlId(QObject& control, int id)
{
    control.setObjectName(QString::number(id));
}

// The control, once it has its identifier: for building dialogs.
template <typename T>
T* WithControlId(T* control, int id)
{
    SetControlId(*control, id);
    return control;
}

template <typename T>
T* FindControl(const QObject& root, int id)
{
    return root.findChild<T*>(QString::number(id));
}

}  // namespace orvik
