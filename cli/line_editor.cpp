#include "cli/line_editor.h"

#include <csignal>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <editline/readline.h>
#include <langinfo.h>

#include "cli/completion.h"
#include "cli/console_output.h"

namespace orvik {
namespace {

constexpr const char* kPrompt = "orvik> ";
// A name ends at these, as in the engine's statements.
constexpr const char* kWordBreaks = " \t+-*/%^,=<>&|!;()[]";

const LineEditor* active_editor = nullptr;
volatile std::sig_atomic_t interrupted = 0;
struct sigaction previous_interrupt = {};

// libedit gives up the line it reads when a signal cuts its read short;
// whether that was Ctrl-C is for this flag to tell.
void NoteInterrupt(int) { interrupted = 1; }

void CatchInterrupts()
{
    struct sigaction action = {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: the read must end
    sigaction(SIGINT, &action, &previous_interrupt);
}

// The editor counts characters by the locale's encoding; what is typed is
// taken as UTF-8 in any case, as everywhere else in the console.
void UseUtf8Characters()
{
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}

// A list the editor takes over and frees: the text to put in place of the
// word, then the matches, then nullptr.
char** MatchList(const Completion& completion)
{
    const std::size_t count = completion.matches.size();
    const std::size_t entries = count == 1 ? 1 : count + 1;
    auto** list = static_cast<char**>(std::malloc((entries + 1) * sizeof(char*)));
    if (!list)
        return nullptr;
    list[0] = strdup(completion.common.c_str());
    for (std::size_t i = 1; i < entries; ++i)
        list[i] = strdup(completion.matches[i - 1].c_str());
    list[entries] = nullptr;
    return list;
}

}  // namespace

LineEditor::LineEditor(ConsoleOutput& output, WordSource words, LineHistory history)
    : output_(output), words_(std::move(words)), history_(std::move(history))
{
    UseUtf8Characters();
    active_editor = this;
    rl_attempted_completion_function = CompleteWord;
    rl_basic_word_break_characters = kWordBreaks;
    rl_completion_append_character = '\0';
    using_history();
    stifle_history(static_cast<int>(kHistoryLines));
    for (const std::string& line : history_.Lines())
        add_history(line.c_str());
    CatchInterrupts();
}

LineEditor::~LineEditor()
{
    sigaction(SIGINT, &previous_interrupt, nullptr);
    rl_attempted_completion_function = nullptr;
    active_editor = nullptr;
}

bool LineEditor::ReadLine(std::string& line)
{
    for (;;) {
        switch (Read(kPrompt, line)) {
        case Typed::Abandoned:
            continue;
        case Typed::End:
            output_.Write("\n");  // the shell's prompt starts on a line of its own
            return false;
        case Typed::Line:
            if (IsQuitCommand(line))
                return false;
            if (!line.empty() && history_.Add(line))
                add_history(line.c_str());
            return true;
        }
    }
}

// Ctrl-C at the question for a value is a cancel, as the end of input is.
bool LineEditor::Answer(std::string_view prompt, std::string& line)
{
    return Read(std::string(prompt), line) == Typed::Line;
}

LineEditor::Typed LineEditor::Read(const std::string& prompt, std::string& line)
{
    output_.Flush();
    interrupted = 0;
    const std::unique_ptr<char, decltype(&std::free)> typed(readline(prompt.c_str()), &std::free);
    if (typed) {
        line = typed.get();
        return Typed::Line;
    }
    if (!interrupted)
        return Typed::End;
    output_.Write("^C\n");
    return Typed::Abandoned;
}

char** LineEditor::CompleteWord(const char* text, int, int)
{
    rl_attempted_completion_over = 1;  // never the editor's file names
    if (!active_editor)
        return nullptr;
    const Completion completion = Complete(active_editor->words_(), text);
    return completion.matches.empty() ? nullptr : MatchList(completion);
}

}  // namespace orvik
