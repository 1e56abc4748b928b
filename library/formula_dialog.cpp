// The formula dialog's controls and how its commands reach them; closing.
#include "library/formula_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "library/command_captions.h"
#include "library/core/library_paths.h"
#include "library/editable_list_ctrl.h"
#include "library/formula_tree_ctrl.h"
#include "library/formula_variables_model.h"
#include "library/tolerance_window.h"
#include "platform/anchored_layout.h"
#include "platform/control_id.h"
#include "platform/dialog_units.h"
#include "platform/gbk_qt.h"
#include "platform/greek_letters.h"
#include "platform/user_port.h"
#include "resources/control_ids.h"

namespace orvik {

using namespace Qt::StringLiterals;
namespace ids = id::formula;

namespace {

// The statements editor keeps its text off the frame on both sides, on
// the white of the text.
class StatementsEditor : public QPlainTextEdit {
public:
    explicit StatementsEditor(QWidget* parent) : QPlainTextEdit(parent)
    {
        setViewportMargins(10, 0, 10, 0);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
    }
};

}  // namespace

FormulaDialog::FormulaDialog(Engine& engine, UserPort& port, ProcessStart& start, QWidget* parent,
                             std::string library)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                          | Qt::WindowCloseButtonHint),
      port_(port),
      start_(start),
      sheet_(engine),
      tree_(new FormulaTreeCtrl(this)),
      store_(*tree_, port, std::move(library))
{
    SetControlId(*this, ids::kDialog);
    setWindowTitle(caption::kFormula);
    CreateControls();
    ConnectCommands();
    store_.Rebuild();
    EnableCommands();
}

namespace {

// How the controls share a larger window: the tree takes a third of the
// extra width, the lists and the description the rest and the extra
// height; the buttons keep to the bottom right corner.
constexpr AnchoredLayout::Shares kTreeShares{0, 0, 1.0 / 3, 1};
constexpr AnchoredLayout::Shares kStatementsShares{1.0 / 3, 0, 2.0 / 3, 0.5};
constexpr AnchoredLayout::Shares kVariablesShares{1.0 / 3, 0.5, 1.0 / 3, 0.5};
constexpr AnchoredLayout::Shares kDescriptionShares{2.0 / 3, 0.5, 1.0 / 3, 0.5};
constexpr AnchoredLayout::Shares kLabelShares{2.0 / 3, 0.5, 0, 0};
constexpr AnchoredLayout::Shares kButtonShares{1, 1, 0, 0};

}  // namespace

void FormulaDialog::CreateControls()
{
    const DialogUnits units(font());
    // A little wider than the lists need, so that the tree shows whole names.
    layout_ = new AnchoredLayout(units.Size(347, 247), this);
    // The template's size is the least; set once, not by the layout each
    // time it runs on the shown window.
    setMinimumSize(layout_->minimumSize());
    layout_->setSizeConstraint(QLayout::SetNoConstraint);
    layout_->Add(tree_, units.Rect(0, 0, 116, 247), kTreeShares);
    // Each list and its editor share one place.
    const QRect statements_place = units.Rect(119, 2, 226, 120);
    const QRect variables_place = units.Rect(119, 126, 111, 96);
    CreateLists(statements_place, variables_place);

    statements_editor_ = PlaceTextBox(new StatementsEditor(this), ids::kStatementsEditor, statements_place,
                                      kStatementsShares);
    statements_editor_->setPlaceholderText(u"此处输入计算式"_s);
    definitions_editor_ = PlaceTextBox(new QPlainTextEdit(this), ids::kDefinitionsEditor, variables_place,
                                       kVariablesShares);
    definitions_editor_->setPlaceholderText(u"需要输入变量的初值"_s);
    layout_->Add(new QLabel(u"公式说明"_s, this), units.Rect(234, 126, 60, 10), kLabelShares);
    description_ = PlaceTextBox(new QPlainTextEdit(this), ids::kDescription, units.Rect(234, 137, 111, 85),
                                kDescriptionShares);
    description_->show();

    letters_label_ = new QLabel(u"字符"_s, this);
    layout_->Add(letters_label_, units.Rect(120, 229, 18, 12), kButtonShares);
    letters_ = new QComboBox(this);
    SetControlId(*letters_, ids::kLetters);
    letters_->addItems(GreekLetters());
    letters_->setMaxVisibleItems(16);
    layout_->Add(letters_, units.Rect(139, 227, 34, 15), kButtonShares);

    // Where the letter list stands while editing, when sweeping is not possible.
    sweep_ = AddButton(ids::kSweep, caption::kSweep, units.Rect(121, 227, 42, 15));
    sweep_->setToolTip(u"让一个输入变量在一个范围内取值, 列出各结果并画成曲线"_s);
    tolerance_ = AddButton(ids::kTolerance, caption::kTolerance, units.Rect(167, 227, 42, 15));
    tolerance_->setToolTip(u"给输入变量公差, 求各结果的最坏情况、RSS 和蒙特卡洛分布"_s);
    solve_ = AddButton(ids::kSolve, caption::kSolve, units.Rect(213, 227, 30, 15));
    solve_->setToolTip(u"求一个输入变量取什么值时, 一个结果等于给定的目标值"_s);
    compute_ = AddButton(ids::kCompute, u"计算"_s, units.Rect(247, 227, 30, 15));
    compute_->setDefault(true);
    print_ = AddButton(ids::kPrint, u"打印"_s, units.Rect(281, 227, 30, 15));
    print_->setToolTip(u"将本次计算式及结果打印"_s);
    save_ = AddButton(ids::kSaveResults, u"保存"_s, units.Rect(315, 227, 30, 15));
    save_->setToolTip(caption::kSaveResults);
    ShowEditors(false);
}

void FormulaDialog::CreateLists(const QRect& statements_place, const QRect& variables_place)
{
    statements_ = new QTableWidget(0, 2, this);
    SetControlId(*statements_, ids::kStatements);
    SetReportStyle(*statements_);
    statements_->setHorizontalHeaderLabels({u"表达式"_s, u"结果"_s});
    // Results are what the list is for: their column keeps to their width,
    // scroll bar or not, and the statements take the rest.
    statements_->horizontalHeader()->setStretchLastSection(false);
    statements_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    statements_->setColumnWidth(1, kResultColumnWidth);
    layout_->Add(statements_, statements_place, kStatementsShares);

    variables_ = new EditableListCtrl(this);
    SetControlId(*variables_, ids::kVariables);
    variables_model_ = new FormulaVariablesModel(sheet_, variables_);
    variables_->setModel(variables_model_);
    variables_->setColumnWidth(0, 80);
    variables_->setColumnWidth(1, 100);
    variables_->SetColumnCount(2);
    layout_->Add(variables_, variables_place, kVariablesShares);
}

// Edit boxes take Enter as a line break; the letters go where the focus
// last was.
QPlainTextEdit* FormulaDialog::PlaceTextBox(QPlainTextEdit* box, int id, const QRect& place,
                                            AnchoredLayout::Shares shares)
{
    SetControlId(*box, id);
    layout_->Add(box, place, shares);
    box->installEventFilter(this);
    box->hide();
    return box;
}

QPushButton* FormulaDialog::AddButton(int id, const QString& caption, const QRect& place)
{
    auto* button = new QPushButton(caption, this);
    SetControlId(*button, id);
    layout_->Add(button, place, kButtonShares);
    return button;
}

void FormulaDialog::ConnectCommands()
{
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &FormulaDialog::OpenFormula);
    connect(tree_, &FormulaTreeCtrl::CommandChosen, this, &FormulaDialog::RunLibraryCommand);
    connect(compute_, &QPushButton::clicked, this, [this] {
        if (editing_ == Editing::None)
            Compute();
        else
            EndEditing();
    });
    connect(print_, &QPushButton::clicked, this, &FormulaDialog::Print);
    connect(save_, &QPushButton::clicked, this, &FormulaDialog::SaveResults);
    connect(sweep_, &QPushButton::clicked, this, &FormulaDialog::Sweep);
    connect(solve_, &QPushButton::clicked, this, &FormulaDialog::Solve);
    connect(tolerance_, &QPushButton::clicked, this, &FormulaDialog::Tolerance);
    connect(letters_, &QComboBox::activated, this, &FormulaDialog::InsertLetter);
    connect(variables_, &EditableListCtrl::ValueEntered, this, &FormulaDialog::EnterValue);
    connect(variables_, &EditableListCtrl::TextRefused, this,
            [this](const QString& text) { port_.ShowMessage(NotGbkMessage(text)); });
}

void FormulaDialog::RunLibraryCommand(int id)
{
    const bool editing = editing_ != Editing::None;
    switch (id) {
    case ids::kNewCategory: store_.NewCategory(); break;
    case ids::kNewFormula: NewFormula(); break;
    case ids::kOpenFormula: OpenFormula(); break;
    case ids::kEditFormula: EditFormula(); break;
    case ids::kRename: store_.Rename(editing); break;
    case ids::kDelete: store_.Delete(editing); break;
    default: break;
    }
}

std::optional<std::string> FormulaDialog::SelectedFormulaFor(int command)
{
    if (store_.RefusedWhileEditing(command, editing_ != Editing::None))
        return std::nullopt;
    const LibraryItem item = tree_->SelectedItem();
    if (!item.IsFormula())
        return std::nullopt;
    return FormulaFilePath(item);
}

bool FormulaDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (QPlainTextEdit* box : {statements_editor_, definitions_editor_, description_}) {
            if (watched == box)
                insert_target_ = box;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormulaDialog::InsertLetter(int index)
{
    if (index < 0 || !insert_target_)
        return;
    insert_target_->insertPlainText(letters_->itemText(index));
    insert_target_->setFocus();
    insert_target_->ensureCursorVisible();
}

void FormulaDialog::Tolerance()
{
    if (tolerance_->isEnabled() && EnterTypedCells())
        (new ToleranceWindow(sheet_, port_, start_, this))->show();
}

// Esc and the close box. An edit in progress is ended with its question
// first, so it is never dropped unasked.
void FormulaDialog::reject()
{
    if (editing_ != Editing::None && !EndEditing())
        return;
    if (sheet_.HasNewVariables()) {
        if (port_.AskYesNo(u"是否在自由计算时使用刚才用过的变量"_s)) {
            sheet_.Keep();
            emit VariablesKept();
        } else {
            sheet_.CutBack();
        }
    }
    if (QWidget* parent = parentWidget())
        parent->setFocus();
    QDialog::reject();
}

}  // namespace orvik
