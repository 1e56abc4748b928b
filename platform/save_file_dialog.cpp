#include "platform/save_file_dialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace orvik {
namespace {

// The ending of a file type's first pattern; empty for one that takes any name.
QString FilterEnding(const QString& filter)
{
    static const QRegularExpression first_pattern(QStringLiteral("\\(\\*\\.([^ *?;)]+)[ )]"));
    return first_pattern.match(filter).captured(1);
}

}  // namespace

void AddChosenEnding(QFileDialog& dialog)
{
    dialog.setDefaultSuffix(FilterEnding(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterEnding(filter)); });
}

}  // namespace orvik
