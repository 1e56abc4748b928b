#include "library/library_store.h"

#include <QFile>

#include "library/core/library_changes.h"
#include "library/core/library_names.h"
#include "library/core/library_paths.h"
#include "library/formula_tree_ctrl.h"
#include "platform/gbk_qt.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;

namespace {

QString Shown(const std::string& name)
{
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

QString RefusalMessage(NameRefusal refusal, const QString& typed)
{
    switch (refusal) {
    case NameRefusal::Empty: return u"名字不能为空白"_s;
    case NameRefusal::Separator: return u"名字中不能有“/”、“\\”或控制字符"_s;
    case NameRefusal::DotName: return u"名字不能是“.”或“..”"_s;
    case NameRefusal::NotGbk: return NotGbkMessage(typed);
    case NameRefusal::TooLong:
        return u"名字太长,最多%1个字节(一个汉字占3个字节)"_s.arg(kTypedNameMax);
    case NameRefusal::None: break;
    }
    return {};
}

// The message for a change that did not happen; none when it did.
void ReportChange(UserPort& port, LibraryChange change, const std::string& name, const QString& failure)
{
    if (change == LibraryChange::NameTaken)
        port.ShowMessage(u"已有名为“%1”的计算类或公式"_s.arg(Shown(name)));
    else if (change == LibraryChange::Failed)
        port.ShowMessage(failure);
}

}  // namespace

LibraryStore::LibraryStore(FormulaTreeCtrl& tree, UserPort& port, std::string library)
    : tree_(tree), port_(port), library_(std::move(library))
{
}

void LibraryStore::Rebuild()
{
    tree_.Fill(library_, true);
}

bool LibraryStore::RefusedWhileEditing(int command, bool editing)
{
    if (!editing)
        return false;
    switch (command) {
    case id::formula::kNewFormula:
    case id::formula::kEditFormula: port_.ShowMessage(u"正在编辑"_s); return true;
    case id::formula::kOpenFormula: port_.ShowMessage(u"正在编辑,请保存之后再打开"_s); return true;
    case id::formula::kDelete:
    case id::formula::kRename: port_.ShowMessage(u"正在编辑,不可重命名"_s); return true;
    default: return false;
    }
}

std::optional<std::string> LibraryStore::PromptName(const QString& prompt, const QString& initial)
{
    QString typed = initial;
    if (!port_.PromptValue(prompt, typed))
        return std::nullopt;
    const CheckedName checked = CheckTypedName(QFile::encodeName(typed).toStdString());
    if (checked.refusal == NameRefusal::None)
        return checked.name;
    port_.ShowMessage(RefusalMessage(checked.refusal, typed));
    return std::nullopt;
}

bool LibraryStore::RefusedOutsideLibrary(const std::string& directory)
{
    if (LiesInLibrary(directory, library_))
        return false;
    port_.ShowMessage(u"计算类“%1”经链接通到公式库以外，不能在其中新建、删除或重命名"_s.arg(
        Shown(CaptionOfPath(directory))));
    return true;
}

void LibraryStore::NewCategory()
{
    const std::string directory = TargetDirectory(tree_.SelectedItem(), library_);
    if (RefusedOutsideLibrary(directory))
        return;
    const std::optional<std::string> name = PromptName(u"请输入新计算类名"_s, {});
    if (!name)
        return;
    ReportChange(port_, MakeCategory(JoinPath(directory, *name)), *name,
                 u"不能建立计算类“%1”"_s.arg(Shown(*name)));
    Rebuild();
}

std::optional<std::string> LibraryStore::NewFormula(bool editing)
{
    if (RefusedWhileEditing(id::formula::kNewFormula, editing))
        return std::nullopt;
    const std::string directory = TargetDirectory(tree_.SelectedItem(), library_);
    if (RefusedOutsideLibrary(directory))
        return std::nullopt;
    return PromptFormulaPath(directory, u"请输入公式名"_s, {});
}

std::optional<std::string> LibraryStore::OtherFormulaPath(const std::string& path, const QString& name)
{
    return PromptFormulaPath(ParentDirectory(path), u"请输入另一个公式名"_s, name);
}

std::optional<std::string> LibraryStore::PromptFormulaPath(const std::string& directory, const QString& prompt,
                                                           const QString& initial)
{
    const std::optional<std::string> name = PromptName(prompt, initial);
    if (!name)
        return std::nullopt;
    return JoinPath(directory, FormulaFileName(*name));
}

std::optional<LibraryItem> LibraryStore::SelectedFor(int command, bool editing)
{
    if (RefusedWhileEditing(command, editing))
        return std::nullopt;
    const LibraryItem item = tree_.SelectedItem();
    if (item.kind == LibraryItemKind::None)
        return std::nullopt;
    return item;
}

void LibraryStore::Rename(bool editing)
{
    const std::optional<LibraryItem> selected = SelectedFor(id::formula::kRename, editing);
    if (!selected)
        return;
    const LibraryItem& item = *selected;
    // Renaming the root would take the library away from the program.
    if (item.kind == LibraryItemKind::Root) {
        port_.ShowMessage(u"公式列表不可重命名"_s);
        return;
    }
    const std::string from = item.IsFormula() ? FormulaFilePath(item) : item.path;
    if (RefusedOutsideLibrary(ParentDirectory(from)))
        return;
    const std::string old_name = ItemName(item);
    const std::optional<std::string> name = PromptName(u"请输新名字"_s, Shown(old_name));
    if (!name)
        return;
    const std::string new_name = item.IsFormula() ? FormulaFileName(*name) : *name;
    const std::string to = JoinPath(ParentDirectory(from), new_name);
    if (to != from) {
        ReportChange(port_, RenameEntry(from, to), *name,
                     u"不能把“%1”重命名为“%2”"_s.arg(Shown(old_name), Shown(*name)));
    }
    Rebuild();
}

void LibraryStore::Delete(bool editing)
{
    const std::optional<LibraryItem> selected = SelectedFor(id::formula::kDelete, editing);
    if (!selected)
        return;
    const LibraryItem& item = *selected;
    if (!item.IsFormula()) {
        port_.ShowMessage(u"不可删除计算类，你可以重命名它"_s);
        return;
    }
    if (RefusedOutsideLibrary(ParentDirectory(item.path)))
        return;
    const QString name = Shown(ItemName(item));
    if (!port_.AskOkCancel(u"确定要删除公式:"_s + name))
        return;
    if (!RemoveFormulaFile(FormulaFilePath(item)))
        port_.ShowMessage(u"不能删除公式“%1”"_s.arg(name));
    Rebuild();
}

}  // namespace orvik
