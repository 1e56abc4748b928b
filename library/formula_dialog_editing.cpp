// New formula, edit formula and the end of an edit.
#include <filesystem>
#include <functional>
#include <system_error>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "library/core/formula_file.h"
#include "library/editable_list_ctrl.h"
#include "library/formula_dialog.h"
#include "platform/gbk_qt.h"
#include "platform/port_engine_host.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

// The edit read puts each section's text into its box.
class EditReader : public FormulaReadListener {
public:
    EditReader(std::function<void()> variables_begin, QPlainTextEdit& definitions,
               QPlainTextEdit& statements, QPlainTextEdit& description)
        : variables_begin_(std::move(variables_begin)),
          definitions_(definitions),
          statements_(statements),
          description_(description)
    {
    }

    void VariablesBegin() override { variables_begin_(); }
    void DefinitionsText(std::string_view text) override { definitions_.setPlainText(FromGbkLines(text)); }
    void StatementsText(std::string_view text) override { statements_.setPlainText(FromGbkLines(text)); }
    void Description(std::string_view text) override { description_.setPlainText(FromGbkLines(text)); }

private:
    std::function<void()> variables_begin_;
    QPlainTextEdit& definitions_;
    QPlainTextEdit& statements_;
    QPlainTextEdit& description_;
};

QString FormulaNameOf(const std::string& path)
{
    return QFile::decodeName(std::filesystem::path(path).stem().c_str());
}

}  // namespace

// The new formula's boxes start empty behind their hints; the description
// keeps what it showed.
void FormulaDialog::NewFormula()
{
    const std::optional<std::string> path = store_.NewFormula(editing_ != Editing::None);
    if (!path)
        return;
    current_path_ = *path;
    statements_editor_->clear();
    definitions_editor_->clear();
    BeginEditing(Editing::NewFormula, u"退出编辑"_s);
}

void FormulaDialog::EditFormula()
{
    const std::optional<std::string> selected = SelectedFormulaFor(id::formula::kEditFormula);
    if (!selected)
        return;
    current_path_ = *selected;
    // A box the read does not reach stays empty: ending the edit with 是
    // must never store another formula's texts in this file.
    for (QPlainTextEdit* box : {definitions_editor_, statements_editor_, description_})
        box->clear();
    BeginEditing(Editing::ExistingFormula, u"结束编辑"_s);
    EditReader reader(
        [this] {
            variables_->HideEditBox();
            sheet_.CutBack();
            ShowVariables();
            EnableCommands();
        },
        *definitions_editor_, *statements_editor_, *description_);
    const FormulaReadResult read = FormulaFile(current_path_).EditRead(reader);
    if (read.status == FormulaReadStatus::NotOpened)
        return;
    sheet_.ClearStatements();
    ShowStatements();
    if (!read.message.empty())
        port_.ShowMessage(FromGbk(read.message));
    if (read.description_cut)
        port_.ShowMessage(FromGbk(kFormulaDescriptionCutMessage));
}

void FormulaDialog::BeginEditing(Editing editing, const QString& caption)
{
    compute_->setText(caption);
    editing_ = editing;
    ShowEditors(true);
    EnableCommands();
    statements_editor_->selectAll();
    statements_editor_->ensureCursorVisible();
    statements_editor_->setFocus();
}

void FormulaDialog::ShowEditors(bool editing)
{
    statements_editor_->setVisible(editing);
    statements_->setVisible(!editing);
    definitions_editor_->setVisible(editing);
    variables_->setVisible(!editing);
    letters_label_->setVisible(editing);
    letters_->setVisible(editing);
    print_->setVisible(!editing);
    save_->setVisible(!editing);
    sweep_->setVisible(!editing);
    solve_->setVisible(!editing);
    description_->setReadOnly(!editing);
}

bool FormulaDialog::EndEditing()
{
    const std::optional<bool> save = port_.AskYesNoCancel(u"是否保存本次所作修改?"_s);
    if (!save || (*save && !SaveEdit()))
        return false;
    ShowEditors(false);
    compute_->setText(u"计算"_s);
    const Editing ended = editing_;
    const std::string edited = current_path_;
    current_path_.clear();
    editing_ = Editing::None;
    // The lists still show the formula that was open, if any; so does the
    // description.
    ShowDescription();
    if (ended == Editing::NewFormula)
        store_.Rebuild();
    else
        OpenFormulaFile(edited);  // read again, wherever the selection went meanwhile
    EnableCommands();
    return true;
}

std::optional<std::array<std::string, 3>> FormulaDialog::EditedTexts()
{
    std::array<std::string, 3> texts;
    const QPlainTextEdit* boxes[] = {definitions_editor_, statements_editor_, description_};
    for (size_t i = 0; i < texts.size(); ++i) {
        std::optional<std::string> gbk = GbkLinesOrSay(port_, boxes[i]->toPlainText());
        if (!gbk)
            return std::nullopt;
        texts[i] = std::move(*gbk);
    }
    return texts;
}

// An edit that is not stored stays in its boxes: after a refusal, a
// declined replacement or a failed write the dialog goes on editing.
bool FormulaDialog::SaveEdit()
{
    const std::optional<std::array<std::string, 3>> texts = EditedTexts();
    if (!texts)
        return false;
    if (editing_ == Editing::NewFormula && !ChooseFreeName())
        return false;
    if (FormulaFile(current_path_).Write((*texts)[0], (*texts)[1], (*texts)[2]))
        return true;
    port_.ShowMessage(u"不能保存公式“%1”"_s.arg(FormulaNameOf(current_path_)));
    return false;
}

// A new formula whose name is taken replaces that formula only when the
// user says so; otherwise it may take another name. False when the user
// cancels that name.
bool FormulaDialog::ChooseFreeName()
{
    std::error_code ignored;
    while (std::filesystem::exists(current_path_, ignored)) {
        const QString name = FormulaNameOf(current_path_);
        if (port_.AskYesNo(u"已有名为“%1”的公式,要替换它吗?"_s.arg(name)))
            return true;
        const std::optional<std::string> other = store_.OtherFormulaPath(current_path_, name);
        if (!other)
            return false;
        current_path_ = *other;
    }
    return true;
}

}  // namespace orvik
