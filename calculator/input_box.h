#pragma once

#include <QPlainTextEdit>

namespace orvik {

// The input box (1025). It refuses any edit that would take its text beyond
// `max_bytes` stored (GBK) bytes, before the text reaches the layout: Qt
// lays out a long line anew on every keystroke, and a pasted megabyte kept
// the window busy for minutes.
class InputBox : public QPlainTextEdit {
    Q_OBJECT
public:
    InputBox(qsizetype max_bytes, QWidget* parent);

    qsizetype MaxBytes() const { return max_bytes_; }

    // Whether `text` in place of `at`'s selection fits; TextRefused when not.
    bool Fits(const QTextCursor& at, const QString& text);

signals:
    void TextRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    qsizetype max_bytes_;
};

}  // namespace orvik
