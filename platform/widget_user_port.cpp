#include "platform/widget_user_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/input_value_dialog.h"

namespace orvik {
namespace {

QWidget* DialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

}  // namespace

void WidgetUserPort::ShowMessage(const QString& text)
{
    QMessageBox::information(DialogOwner(), QApplication::applicationDisplayName(), text);
}

bool WidgetUserPort::AskYesNo(const QString& question)
{
    return QMessageBox::question(DialogOwner(), QApplication::applicationDisplayName(), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool WidgetUserPort::PromptValue(const QString& prompt, QString& entry)
{
    InputValueDialog dialog(prompt, entry, DialogOwner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    entry = dialog.Entry();
    return true;
}

QString WidgetUserPort::ChooseFileToOpen(const QString& caption, const QString& directory,
                                         const QString& filter)
{
    return QFileDialog::getOpenFileName(DialogOwner(), caption, directory, filter);
}

QString WidgetUserPort::ChooseFileToSave(const QString& caption, const QString& directory,
                                         const QString& filter)
{
    return QFileDialog::getSaveFileName(DialogOwner(), caption, directory, filter);
}

int WidgetUserPort::RunDialog(QDialog& dialog)
{
    return dialog.exec();
}

}  // namespace orvik
