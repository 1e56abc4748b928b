#pragma once

#include <QMainWindow>

#include "companion/vek_print_doc.h"
#include "companion/vek_print_view.h"

class QLabel;

namespace orvik {

// The main window: tool bar, editor view, status bar. Closing it never asks;
// unsaved edits are dropped.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame();

    CVekPrintView& View() { return *view_; }
    CVekPrintDoc& Document() { return document_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PreCreateWindow();
    void OnCreate();
    void CreateCommands();
    void CreateStatusBar();
    void UpdateLockIndicators();

    CVekPrintView* view_;
    CVekPrintDoc document_;
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
};

}  // namespace orvik
