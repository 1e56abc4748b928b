#pragma once

#include <QObject>
#include <QString>

namespace orvik {

// A control's identifier is its objectName, written as the decimal number.
inline void SetControlId(QObject& control, int id)
{
    control.setObjectName(QString::number(id));
}

template <typename T>
T* FindControl(const QObject& root, int id)
{
    return root.findChild<T*>(QString::number(id));
}

}  // namespace orvik
