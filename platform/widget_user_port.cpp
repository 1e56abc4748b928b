#include "platform/widget_user_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/input_value_dialog.h"
#include "platform/save_file_dialog.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

QWidget* DialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

struct Button {
    QString text;
    QMessageBox::ButtonRole role;
};

// A question whose first button is the default; Esc and the close box
// answer with the last. The index of the button pressed.
qsizetype Ask(const QString& question, std::initializer_list<Button> buttons)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                    QMessageBox::NoButton, DialogOwner());
    QList<QAbstractButton*> added;
    for (const Button& button : buttons)
        added << box.addButton(button.text, button.role);
    box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    box.setEscapeButton(added.last());
    box.exec();
    const qsizetype pressed = added.indexOf(box.clickedButton());
    return pressed < 0 ? added.size() - 1 : pressed;
}

const Button kYes{u"是(&Y)"_s, QMessageBox::YesRole};
const Button kNo{u"否(&N)"_s, QMessageBox::NoRole};
const Button kCancel{u"取消"_s, QMessageBox::RejectRole};

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
    return Ask(question, {kYes, kNo}) == 0;
}

bool WidgetUserPort::AskOkCancel(const QString& question)
{
    return Ask(question, {{u"确定"_s, QMessageBox::AcceptRole}, kCancel}) == 0;
}

std::optional<bool> WidgetUserPort::AskYesNoCancel(const QString& question)
{
    const qsizetype pressed = Ask(question, {kYes, kNo, kCancel});
    return pressed == 2 ? std::nullopt : std::optional<bool>(pressed == 0);
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
    QFileDialog dialog(DialogOwner(), caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    AddChosenEnding(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

int WidgetUserPort::RunDialog(QDialog& dialog)
{
    return dialog.exec();
}

}  // namespace orvik
