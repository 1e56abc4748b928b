#pragma once

#include <QString>

namespace orvik::caption {

// The formula library's commands, named once: the button or menu item that
// starts one and the window or file dialog it opens share the caption.
inline const QString kFormula = QStringLiteral("公式计算");
inline const QString kSweep = QStringLiteral("参数扫描");
inline const QString kSolve = QStringLiteral("反求");
inline const QString kTolerance = QStringLiteral("公差分析");
inline const QString kSaveTable = QStringLiteral("保存表格");
inline const QString kSaveResults = QStringLiteral("将本次计算式及结果存入文件");

// "参数扫描 - 公式名": a result window's title.
inline QString ResultWindowTitle(const QString& command, const QString& formula)
{
    return command + QStringLiteral(" - ") + formula;
}

}  // namespace orvik::caption
