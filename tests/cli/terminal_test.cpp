// Runs `orvik --console` on a pseudo-terminal, as someone typing at it.

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A home folder for the sessions of one test, removed afterwards.
class Home {
public:
    Home() : path_(std::filesystem::temp_directory_path() / ("orvik-terminal-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~Home() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

class Terminal {
public:
    explicit Terminal(const Home& home)
    {
        child_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (child_ == 0) {
            setenv("TERM", "xterm", 1);
            setenv("HOME", home.Path().c_str(), 1);
            unsetenv("XDG_STATE_HOME");
            execl(ORVIK_BINARY, ORVIK_BINARY, "--console", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal()
    {
        if (child_ > 0 && !exited_) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        close(master_);
    }

    void Type(const std::string& keys)
    {
        ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // Reads until `text` has appeared since the last call; false on timeout.
    bool WaitFor(const std::string& text)
    {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (screen_.find(text, seen_) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline || !ReadSome())
                return false;
        }
        seen_ = screen_.find(text, seen_) + text.size();
        return true;
    }

    // Reads until `prompt` has appeared and the line editor reads keys one by
    // one (the terminal has left line mode): keys typed earlier would be
    // taken by the terminal's own line editing.
    bool WaitForPrompt(const std::string& prompt)
    {
        if (!WaitFor(prompt))
            return false;
        for (int i = 0; i < 100; ++i) {
            termios mode{};
            if (tcgetattr(master_, &mode) == 0 && !(mode.c_lflag & ICANON))
                return true;
            usleep(20000);
        }
        return false;
    }

    // The exit status once the program has ended by itself; -1 on timeout.
    int WaitForExit()
    {
        for (int i = 0; i < 100; ++i) {
            int status = 0;
            if (waitpid(child_, &status, WNOHANG) == child_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            ReadSome();
            usleep(100000);
        }
        return -1;
    }

    const std::string& Screen() const { return screen_; }

private:
    bool ReadSome()
    {
        pollfd fd = {master_, POLLIN, 0};
        if (poll(&fd, 1, 200) <= 0)
            return true;
        char buffer[4096];
        const ssize_t got = read(master_, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        screen_.append(buffer, static_cast<std::size_t>(got));
        return true;
    }

    pid_t child_ = -1;
    int master_ = -1;
    bool exited_ = false;
    std::string screen_;
    std::size_t seen_ = 0;
};

struct Step {
    const char* prompt;  // waited for before typing
    const char* keys;
    const char* shows;   // what the keys bring up
};

// Types the steps into a session and returns its exit status.
template <std::size_t N>
int RunSession(const Home& home, const Step (&steps)[N])
{
    Terminal terminal(home);
    for (const Step& step : steps) {
        EXPECT_TRUE(terminal.WaitForPrompt(step.prompt)) << terminal.Screen();
        terminal.Type(step.keys);
        EXPECT_TRUE(terminal.WaitFor(step.shows)) << terminal.Screen();
        if (testing::Test::HasFailure())
            return -1;
    }
    return terminal.WaitForExit();
}

TEST(TerminalTest, PromptLineEditingHistoryAndCtrlD)
{
    const Step steps[] = {
        {"orvik> ", "a=2\r", "2.000000000000"},
        {"orvik> ", "a*3\x1b[D1\r", "26.000000000000"},   // left arrow, 1 inserted: a*13
        {"orvik> ", "\x1b[A+1\r", "27.000000000000"},     // up: the line again, edited
        {"orvik> ", "q*2\r", ""},                         // an unknown name is asked for
        {"q = ", "5\r", "10.000000000000"},
        {"orvik> ", "\x04", ""},                          // Ctrl-D leaves
    };
    EXPECT_EQ(RunSession(Home(), steps), 0);
}

TEST(TerminalTest, TabCompletesCtrlCAbandonsTheLineAndTheNextSessionRecallsIt)
{
    const Home home;
    const Step first[] = {
        {"orvik> ", "长度=2\r", "2.000000000000"},
        {"orvik> ", "sq\t(长\t*8)\r", "4.000000000000"},  // sqrt(长度*8)
        {"orvik> ", "1+\x03", "^C"},                     // abandoned, not evaluated
        {"orvik> ", "长度+1\r", "3.000000000000"},        // the session goes on
        {"orvik> ", "quit\r", ""},
    };
    EXPECT_EQ(RunSession(home, first), 0);
    EXPECT_TRUE(std::filesystem::exists(home.Path() / ".local/state/orvik/history"));
    const Step second[] = {
        {"orvik> ", "长度=5\r", "5.000000000000"},
        {"orvik> ", "\x1b[A\x1b[A\r", "6.000000000000"},  // 长度+1 from the session before
        {"orvik> ", "exit\r", ""},
    };
    EXPECT_EQ(RunSession(home, second), 0);
}

}  // namespace
