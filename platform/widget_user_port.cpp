#include "platform/widget_user_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/input_value_dialog.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

QWidget* DialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// A question whose first button answers yes; the second, Esc and the close
// box answer no.
bool Ask(const QString& question, const QString& yes_text, QMessageBox::ButtonRole yes_role,
         const QString& no_text, QMessageBox::ButtonRole no_role)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                    QMessageBox::NoButton, DialogOwner());
    QPushButton* yes = box.addButton(yes_text, yes_role);
    box.addButton(no_text, no_role);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace

void WidgetUserPort::ShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text,
                    QMessageBox::NoButton, DialogOwner());
    box.setDefaultButton(box.addButton(u"确定"_s, QMessageBox::AcceptRole));
    box.exec();
}

bool WidgetUserPort::AskYesNo(const QString& question)
{
    return Ask(question, u"是(&Y)"_s, QMessageBox::YesRole, u"否(&N)"_s, QMessageBox::NoRole);
}

bool WidgetUserPort::AskOkCancel(const QString& question)
{
    return Ask(question, u"确定"_s, QMessageBox::AcceptRole, u"取消"_s, QMessageBox::RejectRole);
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
