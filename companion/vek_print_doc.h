#pragma once

#include <string>

#include <QString>

class QWidget;

namespace orvik {

class CVekPrintView;

// The document: the bytes of one GBK text file, shown and edited in the view.
class CVekPrintDoc {
public:
    enum class SaveResult { kSaved, kNotGbk, kWriteFailed };

    explicit CVekPrintDoc(CVekPrintView& view) : view_(view) {}

    // `path` in file-system bytes. False when the file cannot be read.
    bool OnOpenDocument(const std::string& path);

    // Unedited text is written back byte for byte, even where it was not
    // valid GBK; edited text is converted, its lines ending as the file's
    // first line did. The file is replaced only once the new content is
    // completely written.
    SaveResult OnSaveDocument(const QString& path);

    // Asks for a file name, saves, and reports a failure.
    void OnFileSaveAs(QWidget* parent);

    bool IsModified() const;
    void SetModifiedFlag(bool modified);
    const QString& PathName() const { return path_name_; }

private:
    CVekPrintView& view_;
    std::string bytes_;      // as last read or written
    std::string line_end_ = "\r\n";
    QString path_name_;
};

}  // namespace orvik
