// A monkey on the calculator window: long seeded random sequences of clicks,
// keys, typed statements and list choices, every prompt and question
// answered at random; 公式计算 opens the formula dialog for a visit of its
// own random actions. After every action the windows must still stand by
// their promises; a watchdog catches a hang. A failure names its seed, so
//   ORVIK_MONKEY_SEEDS=<seed> ORVIK_MONKEY_ACTIONS=<n> ORVIK_MONKEY_DIALOG_ACTIONS=<m> monkey_tests
// replays it; the same variables run more seeds or longer sequences. The
// program's home is a temporary folder with a copy of the starter library.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "calculator/choice_list.h"
#include "fake_process_start.h"
#include "formula_dialog_monkey.h"
#include "library/formula_dialog.h"
#include "monkey_support.h"
#include "platform/gbk_qt.h"
#include "window_fixture.h"

namespace orvik {
namespace {

using namespace Qt::StringLiterals;

constexpr int kDefaultActions = 20000;
constexpr int kDefaultDialogActions = 60;
// Drawing the window is most of the time an action takes; a user never acts
// that fast, but the posted events (paint included) still run every few.
constexpr int kActionsPerEventRun = 25;
constexpr int kHangSeconds = 20;

// Stops the process when no action starts for a while: a hang in a handler
// would otherwise block the test run.
class Watchdog {
public:
    explicit Watchdog(unsigned seed)
        : thread_([this, seed] {
              long seen = -1;
              auto since = std::chrono::steady_clock::now();
              while (!done_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  const long now = ticks_;
                  if (now != seen) {
                      seen = now;
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(kHangSeconds)) {
                      std::fprintf(stderr, "monkey: seed %u hung at action %ld (%s)\n", seed, step_.load(),
                                   action_.load());
                      std::abort();
                  }
              }
          })
    {
    }
    ~Watchdog()
    {
        done_ = true;
        thread_.join();
    }
    void Step(long step, const char* action)
    {
        step_ = step;
        Tick(action);
    }
    // An action within the window's action `step`, in a dialog it opened.
    void Tick(const char* action)
    {
        action_ = action;
        ++ticks_;
    }

private:
    std::atomic<bool> done_{false};
    std::atomic<long> step_{0};
    std::atomic<long> ticks_{0};
    std::atomic<const char*> action_{""};
    std::thread thread_;
};

// Drives one calculator window on a fresh engine. A modal dialog (about,
// help, print choice) is closed with OK or Cancel; the formula dialog is
// visited.
class WindowMonkey {
public:
    WindowMonkey(const QString& folder, Random& random, Watchdog& watchdog, int dialog_actions)
        : folder_(folder),
          random_(random),
          dialog_actions_(dialog_actions),
          formula_monkey_(f_.port, *f_.engine, folder, [&watchdog](const char* action) { watchdog.Tick(action); })
    {
        f_.window.UseProcessStart(starts_);  // prints start no companion
        f_.port.inspect_dialog = [this](QDialog& dialog) {
            if (auto* formulas = qobject_cast<FormulaDialog*>(&dialog))
                VisitFormulaDialog(*formulas);
            else
                dialog.done(accept_dialogs_ ? QDialog::Accepted : QDialog::Rejected);
        };
        BuildActions();
    }

    const std::vector<Action>& Actions() const { return actions_; }
    WindowFixture& Fixture() { return f_; }

    // Fresh random answers for whatever the next action asks; what was
    // shown before is forgotten, so the fake's records stay small.
    void PrepareAnswers(Random& random)
    {
        PrepareRandomAnswers(f_.port, random, folder_);
        accept_dialogs_ = random.OneIn(2);
        starts_.started.clear();
    }

    // The promises the window keeps whatever was done; empty when all hold.
    QString Broken(int line_before) const
    {
        if (!dialog_broken_.isEmpty())
            return dialog_broken_;
        const int variables = f_.engine->Variables().Count();
        if (variables > VariableTable::kCapacity || f_.Variables().rowCount() > VariableTable::kCapacity)
            return u"more than 400 variables: %1"_s.arg(variables);
        const CalculationHistory& history = f_.window.History();
        if (history.CurrentLine() < 0 || history.CurrentLine() >= kHistoryLineCount
            || history.FirstEmptySlot() > kHistoryLineCount)
            return u"history beyond 500 lines"_s;
        if (f_.Enabled(id::kStepUp) != history.UpEnabled() || f_.Enabled(id::kStepDown) != history.DownEnabled())
            return u"↑/↓ states do not match line %1"_s.arg(history.LineNumber());
        if (history.CurrentLine() != line_before && f_.Input().toPlainText() != f_.HistoryLine(history.CurrentLine()))
            return u"moved to line %1 but the input box shows another text"_s.arg(history.LineNumber());
        return {};
    }

    // A window that closed (Esc or the close question answered Yes) is
    // opened again: the program would have ended, the monkey goes on. When
    // no window is active (the process log closed), the calculator becomes
    // active again, as the window manager would make it.
    void KeepOpen()
    {
        if (!f_.window.isVisible())
            f_.window.show();
        if (QApplication::activeWindow())
            return;
        f_.window.activateWindow();
        if (!QTest::qWaitForWindowActive(&f_.window))
            qWarning("calculator window did not become active again");
    }

private:
    // Variables kept from the dialog show in the window's list.
    void VisitFormulaDialog(FormulaDialog& dialog)
    {
        const FormulaDialogMonkey::Visit visit = formula_monkey_.Run(dialog, random_, dialog_actions_);
        const int count = f_.engine->Variables().Count();
        if (!visit.broken.isEmpty())
            dialog_broken_ = visit.broken;
        else if (visit.kept && f_.Variables().rowCount() != count)
            dialog_broken_ = u"%1 variables kept, %2 listed"_s.arg(count).arg(f_.Variables().rowCount());
    }

    QWidget* Focus()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : &f_.window;
    }

    void BuildActions()
    {
        // Every button but calc.exe, which would start the desktop's calculator.
        static constexpr int kButtons[] = {
            id::kClearVariables, id::kStepUp, id::kStepDown, id::kSave, id::kLoad, id::kJumpToLine,
            id::kClearStatements, id::kPlus, id::kMinus, id::kTimes, id::kDivide, id::kDigit0,
            id::kDigit1, id::kDigit2, id::kDigit3, id::kDigit4, id::kDigit5, id::kDigit6, id::kDigit7,
            id::kDigit8, id::kDigit9, id::kHelp, id::kOther, id::kPoint, id::kPower, id::kAssign,
            id::kOpenParenthesis, id::kCloseParenthesis, id::kSin, id::kCos, id::kTan, id::kInv,
            id::kAsin, id::kAcos, id::kAtan, id::kAinv, id::kAbs, id::kInt, id::kLog, id::kLg, id::kLn,
            id::kExp, id::kEvaluate, id::kAbout, id::kBackspace, id::kClearInput, id::kPi,
            id::kDegreeDisplay, id::kSolveEquation, id::kIntegrate, id::kLoopCalculation, id::kDrawing,
            id::kExamples, id::kDegreeMark, id::kMinuteMark, id::kSecondMark, id::kFormula, id::kProcess,
            id::kPrint, id::kPrintResults, id::kOk, id::kCancel};
        static constexpr int kGroupButtons[] = {
            id::kRadixBinary, id::kRadixOctal, id::kRadixDecimal, id::kRadixHexadecimal, id::kBytes1,
            id::kBytes2, id::kBytes4, id::kBytes8, id::kDegrees, id::kRadians, id::kImmediate,
            id::kMultiLine};
        static constexpr int kKeys[] = {
            Qt::Key_0, Qt::Key_1, Qt::Key_7, Qt::Key_X, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk,
            Qt::Key_Slash, Qt::Key_AsciiCircum, Qt::Key_ParenLeft, Qt::Key_ParenRight, Qt::Key_Equal,
            Qt::Key_Period, Qt::Key_Semicolon, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Up,
            Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Backspace,
            Qt::Key_Delete, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_PageUp};
        const QString kLineNumbers[] = {u"1"_s, u"2"_s, u"499"_s, u"500"_s, u"501"_s, u"0"_s, u"-1"_s,
                                        u"abc"_s, QString(), u"007"_s};

        actions_ = {
            {"click a button", [this](Random& r) { f_.Click(r.Pick(kButtons)); }},
            {"click a radio button or check box", [this](Random& r) { f_.Click(r.Pick(kGroupButtons)); }},
            {"press a key", [this](Random& r) { QTest::keyClick(Focus(), Qt::Key(r.Pick(kKeys))); }},
            {"press a key with Shift or Ctrl",
             [this](Random& r) {
                 const Qt::KeyboardModifier modifier = r.OneIn(2) ? Qt::ShiftModifier : Qt::ControlModifier;
                 QTest::keyClick(Focus(), Qt::Key(r.Pick(kKeys)), modifier);
             }},
            {"type a statement", [this](Random& r) { TypeText(Focus(), RandomStatement(r)); }},
            {"type a statement into the input box",
             [this](Random& r) {
                 f_.Input().setFocus();
                 f_.Input().insertPlainText(RandomStatement(r));
             }},
            {"replace the input box text",
             [this](Random& r) {
                 f_.SetInput(RandomStatement(r), r.OneIn(2) ? -1 : 0);
                 if (r.OneIn(2))
                     f_.Click(id::kEvaluate);
             }},
            {"choose from a list",
             [this](Random& r) {
                 ChoiceList* list = r.OneIn(2) ? f_.window.Controls().function_list : f_.window.Controls().symbol_list;
                 if (r.OneIn(5)) {
                     emit list->ChoiceCancelled();
                     return;
                 }
                 const int index = r.Below(list->count());
                 list->setCurrentIndex(index);
                 emit list->activated(index);
             }},
            {"click the variable list",
             [this](Random& r) {
                 NamePickListCtrl& list = f_.Variables();
                 const int rows = list.rowCount();
                 const QPoint where = rows > 0 && !r.OneIn(5)
                                          ? list.visualItemRect(list.item(r.Below(rows), 0)).center()
                                          : QPoint(5, list.viewport()->height() - 2);
                 if (r.OneIn(2))
                     QTest::mouseClick(list.viewport(), Qt::RightButton, {}, where);
                 else
                     QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, where);
             }},
            {"press Enter on the variable list",
             [this](Random&) {
                 f_.Variables().setFocus();
                 QTest::keyClick(&f_.Variables(), Qt::Key_Return);
             }},
            {"step down or up", [this](Random& r) { f_.Click(r.OneIn(3) ? id::kStepUp : id::kStepDown); }},
            {"jump to a line", [this, kLineNumbers](Random& r) { f_.JumpTo(r.Pick(kLineNumbers)); }},
        };
    }

    QString folder_;
    Random& random_;
    int dialog_actions_;
    FakeProcessStart starts_;
    WindowFixture f_;
    FormulaDialogMonkey formula_monkey_;
    std::vector<Action> actions_;
    bool accept_dialogs_ = false;
    QString dialog_broken_;
};

QList<unsigned> SeedsToRun()
{
    const QString chosen = qEnvironmentVariable("ORVIK_MONKEY_SEEDS");
    if (chosen.isEmpty())
        return {1, 2, 3, 4, 5};
    QList<unsigned> seeds;
    for (const QString& seed : chosen.split(u','))
        seeds << seed.toUInt();
    return seeds;
}

int PositiveFromEnvironment(const char* name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : otherwise;
}

// The program's home in `folder`, with a copy of the starter library to
// change: neither the user's library nor the build's is touched.
bool MakeHome(const QString& folder)
{
    std::error_code error;
    std::filesystem::copy(ORVIK_STARTER_LIBRARY_DIR, std::filesystem::path(QFile::encodeName(folder).toStdString()) / "vekf",
                          std::filesystem::copy_options::recursive, error);
    return !error && qputenv("ORVIK_HOME", QFile::encodeName(folder));
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
public:
    // The scripted answers stand in for dialogs that wait for an active
    // window, which a desktop gives to whatever the user touches: the
    // monkey runs on the offscreen platform however it is started.
    static void initMain() { qputenv("QT_QPA_PLATFORM", "offscreen"); }

private slots:
    void CalculatorWindow_data();
    void CalculatorWindow();
};

void MonkeyTest::CalculatorWindow_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("actions");
    QTest::addColumn<int>("dialog_actions");
    for (const unsigned seed : SeedsToRun())
        QTest::addRow("seed %u", seed) << seed << PositiveFromEnvironment("ORVIK_MONKEY_ACTIONS", kDefaultActions)
                                       << PositiveFromEnvironment("ORVIK_MONKEY_DIALOG_ACTIONS", kDefaultDialogActions);
}

void MonkeyTest::CalculatorWindow()
{
    QFETCH(unsigned, seed);
    QFETCH(int, actions);
    QFETCH(int, dialog_actions);
    // Saved files go to memory where it can: each save syncs.
    QTemporaryDir folder(QDir("/dev/shm").exists() ? u"/dev/shm/orvik-monkey-XXXXXX"_s : QString());
    QVERIFY(folder.isValid());
    QVERIFY(MakeHome(folder.path()));
    Random random(seed);
    Watchdog watchdog(seed);
    WindowMonkey monkey(folder.path(), random, watchdog, dialog_actions);
    for (int step = 1; step <= actions; ++step) {
        const Action& action = monkey.Actions()[random.Below(static_cast<int>(monkey.Actions().size()))];
        watchdog.Step(step, action.name);
        const int line_before = monkey.Fixture().window.History().CurrentLine();
        monkey.PrepareAnswers(random);
        action.run(random);
        if (step % kActionsPerEventRun == 0)
            QCoreApplication::processEvents();
        monkey.KeepOpen();
        const QString broken = monkey.Broken(line_before);
        if (!broken.isEmpty()) {
            QFAIL(qPrintable(u"seed %1, action %2 (%3): %4\nreplay: ORVIK_MONKEY_SEEDS=%1 ORVIK_MONKEY_ACTIONS=%2 "
                               u"ORVIK_MONKEY_DIALOG_ACTIONS=%5"_s
                                 .arg(seed)
                                 .arg(step)
                                 .arg(QString::fromLatin1(action.name), broken)
                                 .arg(dialog_actions)));
        }
    }
}

}  // namespace orvik

QTEST_MAIN(orvik::MonkeyTest)
#include "monkey_test.moc"
