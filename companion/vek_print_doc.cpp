#include "companion/vek_print_doc.h"

#include <optional>

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "companion/file_bytes.h"
#include "companion/vek_print_view.h"
#include "platform/atomic_file.h"
#include "platform/gbk_qt.h"
#include "platform/regular_file.h"

namespace orvik {

bool CVekPrintDoc::OnOpenDocument(const std::string& path)
{
    std::optional<std::string> bytes = ReadRegularFile(path, kMaxDocumentBytes);
    if (!bytes)
        return false;
    if (!view_.SetText(FromGbk(*bytes)))
        return false;
    bytes_ = std::move(*bytes);
    line_end_ = LineEndOf(bytes_);
    path_name_ = QFile::decodeName(path.c_str());
    SetModifiedFlag(false);
    return true;
}

CVekPrintDoc::SaveResult CVekPrintDoc::OnSaveDocument(const QString& path)
{
    std::optional<std::string> bytes =
        IsModified() ? ToGbkLines(view_.Text(), line_end_) : bytes_;
    if (!bytes)
        return SaveResult::kNotGbk;
    if (!WriteFileAtomically(QFile::encodeName(path).toStdString(), *bytes))
        return SaveResult::kWriteFailed;
    bytes_ = std::move(*bytes);
    path_name_ = path;
    SetModifiedFlag(false);
    return SaveResult::kSaved;
}

void CVekPrintDoc::OnFileSaveAs(QWidget* parent)
{
    const QString start = path_name_.isEmpty() ? QStringLiteral("VekPri") : path_name_;
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("另存为"), start);
    if (path.isEmpty())
        return;
    switch (OnSaveDocument(path)) {
    case SaveResult::kSaved:
        break;
    case SaveResult::kNotGbk:
        QMessageBox::warning(parent, QStringLiteral("vekPrint"),
                             QStringLiteral("文本中有 GBK 编码不能表示的字符，文档未保存。"));
        break;
    case SaveResult::kWriteFailed:
        QMessageBox::warning(parent, QStringLiteral("vekPrint"),
                             QStringLiteral("无法保存文档“%1”。").arg(path));
        break;
    }
}

bool CVekPrintDoc::IsModified() const
{
    return view_.IsModified();
}

void CVekPrintDoc::SetModifiedFlag(bool modified)
{
    view_.SetModified(modified);
}

}  // namespace orvik
