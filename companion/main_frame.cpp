#include "companion/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "companion/about_dialog.h"
#include "companion/icons.h"
#include "companion/lock_keys.h"
#include "companion/vek_print_ids.h"

namespace orvik {
namespace {

const QString kIdleText = QStringLiteral("就绪");

using CommandHandler = void (*)(CMainFrame&);

struct Command {
    int id;                 // 0: a separator in the tool bar
    const char16_t* prompt; // shown in the status bar
    const char16_t* tip;
    const char* icon;       // nullptr: a keyboard-only command
    const char* keys;       // "; "-separated, portable text form
    CommandHandler run;
};

// Tool bar order first, then the commands reached only from the keyboard.
const Command kCommands[] = {
    {vek_ids::kFileSaveAs, u"将活动文档以一个新文件名保存", u"另存为", "save_as", "",
     [](CMainFrame& f) { f.Document().OnFileSaveAs(&f); }},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr},
    {vek_ids::kEditCut, u"剪切被选对象并将其置于剪贴板上", u"剪切", "cut", "Ctrl+X; Shift+Del",
     [](CMainFrame& f) { f.View().Cut(); }},
    {vek_ids::kEditCopy, u"复制被选对象并将其置于剪贴板上", u"复制", "copy", "Ctrl+C; Ctrl+Ins",
     [](CMainFrame& f) { f.View().Copy(); }},
    {vek_ids::kEditPaste, u"插入剪贴板内容", u"粘贴", "paste", "Ctrl+V; Shift+Ins",
     [](CMainFrame& f) { f.View().Paste(); }},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr},
    {vek_ids::kFilePrintSetup, u"改变打印机及打印选项", u"打印设置", "print_setup", "",
     [](CMainFrame& f) { f.View().OnFilePrintSetup(); }},
    {vek_ids::kFilePrintPreview, u"显示整页", u"打印预览", "print_preview", "",
     [](CMainFrame& f) { f.View().OnFilePrintPreview(); }},
    {vek_ids::kFilePrint, u"打印活动文档", u"打印", "print", "Ctrl+P",
     [](CMainFrame& f) { f.View().OnFilePrint(); }},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr},
    {vek_ids::kSetPageHeader, u"设置页眉", u"设置页眉文字", "page_header", "",
     [](CMainFrame& f) { f.View().OnSetPageHeader(); }},
    {vek_ids::kChooseFont, u"设置字体", u"设置字体", "font", "",
     [](CMainFrame& f) { f.View().OnChooseFont(); }},
    {vek_ids::kAppAbout, u"显示程序信息，版本号和版权", u"关于", "about", "",
     [](CMainFrame& f) { AboutDialog(&f).exec(); }},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr},
    {vek_ids::kAppExit, u"退出应用程序；提示保存文档", u"退出", "exit", "",
     [](CMainFrame& f) { f.close(); }},
    {vek_ids::kEditUndo, u"撤消最后一步操作", u"撤消", nullptr, "Ctrl+Z; Alt+Backspace",
     [](CMainFrame& f) { f.View().Undo(); }},
    // The view is the window's only pane: both keys bring the focus back to it.
    {vek_ids::kNextPane, u"切换到下一个窗格", u"下一窗格", nullptr, "F6",
     [](CMainFrame& f) { f.View().setFocus(); }},
    {vek_ids::kPrevPane, u"切换回前一个窗格", u"前一窗格", nullptr, "Shift+F6",
     [](CMainFrame& f) { f.View().setFocus(); }},
};

QLabel* AddIndicator(QStatusBar* bar, const QString& text, const char* name)
{
    auto* label = new QLabel(text, bar);
    label->setObjectName(QLatin1StringView(name));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->sizeHint().width() + 8);
    bar->addPermanentWidget(label);
    return label;
}

}  // namespace

CMainFrame::CMainFrame() : view_(new CVekPrintView(this)), document_(*view_)
{
    PreCreateWindow();
    OnCreate();
}

void CMainFrame::PreCreateWindow()
{
    // A bare frame: no title bar and no menu bar; the tool bar holds every command.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("vekPrint"));
    setWindowIcon(ProgramIcon());
}

void CMainFrame::OnCreate()
{
    setCentralWidget(view_);
    CreateCommands();
    CreateStatusBar();
}

void CMainFrame::CreateCommands()
{
    auto* tool_bar = new QToolBar(QStringLiteral("vekPrint"), this);
    tool_bar->setObjectName(QStringLiteral("128"));
    tool_bar->setAllowedAreas(Qt::AllToolBarAreas);
    tool_bar->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, tool_bar);
    for (const Command& command : kCommands) {
        if (command.id == 0) {
            tool_bar->addSeparator();
            continue;
        }
        auto* action = new QAction(QString::fromUtf16(command.tip), this);
        action->setObjectName(vek_ids::Name(command.id));
        action->setToolTip(QString::fromUtf16(command.tip));
        action->setStatusTip(QString::fromUtf16(command.prompt));
        action->setShortcuts(QKeySequence::listFromString(QLatin1StringView(command.keys)));
        connect(action, &QAction::triggered, this, [this, run = command.run] { run(*this); });
        addAction(action);
        if (command.icon) {
            action->setIcon(CompanionIcon(command.icon));
            tool_bar->addAction(action);
        }
    }
    for (const int id : {vek_ids::kEditCut, vek_ids::kEditCopy}) {
        QAction* action = findChild<QAction*>(vek_ids::Name(id));
        action->setEnabled(false);
        connect(view_, &EditorView::CopyAvailable, action, &QAction::setEnabled);
    }
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    // Between prompts the message pane says the program is ready.
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(kIdleText);
    });
    bar->showMessage(kIdleText);
    caps_ = AddIndicator(bar, QStringLiteral("大写"), "indicator_caps");
    num_ = AddIndicator(bar, QStringLiteral("数字"), "indicator_num");
    scroll_ = AddIndicator(bar, QStringLiteral("滚动"), "indicator_scroll");
    // Lock keys may change in any window, so their state is polled.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::UpdateLockIndicators);
    timer->start(250);
    UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators()
{
    const LockKeys keys = ReadLockKeys();
    caps_->setEnabled(keys.caps);
    num_->setEnabled(keys.num);
    scroll_->setEnabled(keys.scroll);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Closing never asks about saving: the text is a print job, not a file the user keeps.
    document_.SetModifiedFlag(false);
    event->accept();
}

}  // namespace orvik
