#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"

namespace orvik {

// A text of statements compiled once and evaluated many times: each
// Evaluate gives exactly what EvaluateText on the same text would give at
// that moment (LastStatementRefused included), with the same values, the
// same changes to the table and the same messages and prompts, but after
// the first evaluations without compiling again. Like EvaluateText it is a
// command of its own (Engine::Command) when no other is open. Allocates
// only while it compiles.
//
// A compiled statement refers to its variables by their index and reads
// their values when it is evaluated. It is compiled again when the table's
// generation has changed (entries cut off or replaced, the lookup scope
// moved, entries appended from outside, a name created that lookups may
// find instead of another), and when its compilation did something that
// evaluating cannot repeat (see Creations); numbers worked out beforehand
// with the angle mode are worked out again when the mode has changed.
class CompiledText {
public:
    // What evaluating again assumes about the variables that compiling a
    // statement created (an assignment's new target, an unknown name whose
    // value was asked for, π).
    enum class Creations {
        // They stay, as after EvaluateText: the statement is compiled again
        // and then finds them; so is a refused one, which may find a name
        // that another statement creates later.
        kKept,
        // The caller gives the variables that existed before the first
        // evaluation back their values before each evaluation, and changes
        // nothing else in the table: the statement then evaluates as if
        // the table had been cut back to those variables and the statement
        // compiled anew, which creates its variables again with the values
        // they were created with (the answer to a value prompt is the one
        // given the first time; it is not asked again). No statement is
        // compiled twice but for the reasons above other than the
        // statements' own creations.
        kRecreated,
    };

    // `engine` must outlive this object. The text is taken as EvaluateText
    // takes it: blanks and comments stripped, statements separated by ";"
    // or line feeds.
    CompiledText(Engine& engine, std::string_view text, Creations creations = Creations::kKept);
    // Its programs point into its own cells and into the engine's table.
    CompiledText(CompiledText&&) = default;
    CompiledText(const CompiledText&) = delete;
    CompiledText& operator=(const CompiledText&) = delete;

    // The value of the last statement, 0 when there is none.
    double Evaluate()
    {
        engine_.last_refused_ = false;
        if (!JoinedIsValid())
            return EvaluateEach();
        replayed_ = static_cast<int>(statements_.size());
        if (joined_.size() == 1 && joined_[0].step == ReplayStep::kEnd)
            return *joined_[0].x;  // a number, or a variable's value
        return engine_.Run(joined_.data(), {});
    }

    // How many statements evaluated from their bound program in the last
    // Evaluate, without compiling: for tests and benchmarks.
    int ReplayedCount() const { return replayed_; }

private:
    struct Statement {
        std::string text;
        bool bound = false;
        uint32_t generation = 0;  // Generation() when compiled
        int32_t table_count = 0;  // the table's count after compiling
        AngleMode angle_mode = AngleMode::Degrees;
        bool refused = false;
        std::vector<Token> tokens;  // the program as compiled, for binding again
        CompileRecord record;
        std::vector<Creation> creations;
        ReplayProgram program;
    };

    double EvaluateEach();
    double Evaluate(Statement& statement);
    double Compile(Statement& statement);
    void Bind(Statement& statement);
    // Every statement's program in one, when each has one and shows no
    // message.
    void Join();
    // Any change of the generation joins anew: where statements create
    // variables anew, other texts' first compilations may change it.
    bool JoinedIsValid() const
    {
        return !joined_.empty() && joined_generation_ == engine_.Variables().Generation()
               && (!joined_angle_dependent_ || joined_angle_mode_ == engine_.CurrentAngleMode());
    }
    // The table's generation that tells whether the compiled statements
    // still hold: in kRecreated, the statements' own creations are expected.
    uint32_t Generation() const
    {
        const VariableTable& table = engine_.Variables();
        return creations_ == Creations::kKept ? table.Generation() : table.GenerationBesideCreations();
    }

    Engine& engine_;
    Creations creations_;
    std::vector<Statement> statements_;
    std::vector<ReplayInstruction> joined_;
    uint32_t joined_generation_ = 0;
    AngleMode joined_angle_mode_ = AngleMode::Degrees;
    bool joined_angle_dependent_ = false;
    int replayed_ = 0;
};

}  // namespace orvik
