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

class Terminal {
public:
    Terminal()
    {
        home_ = std::filesystem::temp_directory_path() / ("orvik-terminal-" + std::to_string(getpid()));
        std::filesystem::create_directories(home_);
        child_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (child_ == 0) {
            setenv("TERM", "xterm", 1);
            setenv("HOME", home_.c_str(), 1);
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
        std::filesystem::remove_all(home_);
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

    std::filesystem::path home_;
    pid_t child_ = -1;
    int master_ = -1;
    bool exited_ = false;
    std::string screen_;
    std::size_t seen_ = 0;
};

TEST(TerminalTest, PromptLineEditingHistoryAndCtrlD)
{
    const struct {
        const char* prompt;  // waited for before typing
        const char* keys;
        const char* shows;   // what the keys bring up
    } steps[] = {
        {"orvik> ", "a=2\r", "2.000000000000"},
        {"orvik> ", "a*3\x1b[D1\r", "26.000000000000"},   // left arrow, 1 inserted: a*13
        {"orvik> ", "\x1b[A+1\r", "27.000000000000"},     // up: the line again, edited
        {"orvik> ", "q*2\r", ""},                         // an unknown name is asked for
        {"q = ", "5\r", "10.000000000000"},
        {"orvik> ", "\x04", ""},                          // Ctrl-D leaves
    };
    Terminal terminal;
    for (const auto& step : steps) {
        ASSERT_TRUE(terminal.WaitForPrompt(step.prompt)) << terminal.Screen();
        terminal.Type(step.keys);
        ASSERT_TRUE(terminal.WaitFor(step.shows)) << terminal.Screen();
    }
    EXPECT_EQ(terminal.WaitForExit(), 0) << terminal.Screen();
}

}  // namespace
