// Draws the formula dialog with a computed gear formula of the starter
// library into a PNG file, for the documentation:
// formula_dialog_screenshot FILE.png (needs a display).
#include "library/formula_dialog.h"
#include "library/formula_tree_ctrl.h"
#include "platform/control_id.h"
#include "platform/detached_process_start.h"
#include "resources/control_ids.h"
#include "screenshot_program.h"

namespace {

QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& caption)
{
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        if (parent->child(i)->text(0) == caption)
            return parent->child(i);
    }
    return nullptr;
}

orvik::DetachedProcessStart start;

}  // namespace

int main(int argc, char** argv)
{
    return orvik::RunScreenshot(argc, argv, "formula_dialog_screenshot", [](orvik::Engine& engine,
                                                                            orvik::UserPort& port) {
        auto dialog = std::make_unique<orvik::FormulaDialog>(engine, port, start);
        auto& tree = *orvik::FindControl<orvik::FormulaTreeCtrl>(*dialog, orvik::id::formula::kTree);
        QTreeWidgetItem* gears = Child(tree.topLevelItem(0), QStringLiteral("齿轮"));
        if (!gears) {
            std::cerr << "formula_dialog_screenshot: no gear formulas in the library\n";
            return std::unique_ptr<QWidget>();
        }
        gears->setExpanded(true);
        tree.setCurrentItem(Child(gears, QStringLiteral("标准直齿圆柱齿轮几何尺寸 ")));
        dialog->OpenFormula();
        dialog->Compute();
        dialog->show();
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
}
