#pragma once

#include "platform/user_port.h"

namespace orvik {

// The port with real dialogs, each owned by the window that is active when
// it opens.
class WidgetUserPort : public UserPort {
public:
    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& question) override;
    bool AskOkCancel(const QString& question) override;
    bool PromptValue(const QString& prompt, QString& entry) override;
    QString ChooseFileToOpen(const QString& caption, const QString& directory,
                             const QString& filter) override;
    QString ChooseFileToSave(const QString& caption, const QString& directory,
                             const QString& filter) override;
    int RunDialog(QDialog& dialog) override;
};

}  // namespace orvik
