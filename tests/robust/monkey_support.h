#pragma once

// What the monkeys share: a seeded random source, actions by name, random
// statement text and typing it as key presses.
#include <cstddef>
#include <functional>
#include <random>

#include <QString>

class QWidget;

namespace orvik {

class FakeUserPort;

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[Below(static_cast<int>(N))];
    }

private:
    std::mt19937 engine_;
};

struct Action {
    const char* name;
    std::function<void(Random&)> run;
};

// A statement of random pieces: names (some 29 and 30 bytes long, many
// distinct ones to fill the variable table), numbers, operators, functions
// and marks.
QString RandomStatement(Random& random);

// Forgets what `port` recorded and gives it fresh random answers for
// whatever comes next: Yes or No, Yes, No or Cancel, typed values and names
// (cancelled now and then), files in `folder` or beside it.
void PrepareRandomAnswers(FakeUserPort& port, Random& random, const QString& folder);

// Key presses at `widget` that type `text`; a character without a key of its
// own comes as its text alone, as from an input method.
void TypeText(QWidget* widget, const QString& text);

}  // namespace orvik
