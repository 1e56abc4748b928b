#pragma once

// The formula dialog as its tests meet it: a home of its own for each test
// (ORVIK_HOME) with the library "vekf" in it, the scripted port and process
// start, an engine that holds the variable x = 7 from free calculation, and
// the dialog shown and active.
#include <memory>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include "engine/engine.h"
#include "fake_process_start.h"
#include "fake_user_port.h"
#include "library/formula_dialog.h"
#include "platform/control_id.h"
#include "platform/port_engine_host.h"

namespace orvik {

// The control `id` in `root`, which the test cannot go on without.
template <typename T>
T& In(const QWidget& root, int id)
{
    T* control = FindControl<T>(root, id);
    if (!control)
        qFatal("control %d missing", id);
    return *control;
}

class FormulaDialogFixture {
protected:
    // The home, before the library is filled.
    void MakeHome()
    {
        port_ = FakeUserPort();
        start_ = FakeProcessStart();
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("ORVIK_HOME", QFile::encodeName(dir_->path()));
    }

    // The engine and the dialog on the library as it is now; false when the
    // dialog did not become active.
    bool ShowDialog()
    {
        engine_ = std::make_unique<Engine>(host_);
        engine_->Variables().Append("x", 7, origin::kInput);
        dialog_ = std::make_unique<FormulaDialog>(*engine_, port_, start_, nullptr,
                                                  QFile::encodeName(Library()).toStdString());
        dialog_->show();
        dialog_->activateWindow();
        return QTest::qWaitForWindowActive(dialog_.get());
    }

    void RemoveHome()
    {
        dialog_.reset();
        engine_.reset();
        dir_.reset();
    }

    QString Library(const QString& relative = {}) const { return dir_->filePath(QStringLiteral("vekf/") + relative); }

    std::unique_ptr<QTemporaryDir> dir_;
    FakeUserPort port_;
    PortEngineHost host_{port_};
    std::unique_ptr<Engine> engine_;
    FakeProcessStart start_;
    std::unique_ptr<FormulaDialog> dialog_;
};

}  // namespace orvik
