#include "engine/compiled_text.h"

namespace orvik {

CompiledText::CompiledText(Engine& engine, std::string_view text, Creations creations)
    : engine_(engine), creations_(creations)
{
    std::string stripped(text);
    StripBlanks(stripped);
    std::string_view rest = stripped;
    while (!rest.empty()) {
        const std::string_view statement = NextStatement(rest);
        if (!statement.empty())
            statements_.emplace_back().text = statement;
    }
}

double CompiledText::EvaluateEach()
{
    const Engine::Command command(engine_);  // as EvaluateText is one
    replayed_ = 0;
    double result = 0;
    for (Statement& statement : statements_)
        result = Evaluate(statement);
    Join();
    return result;
}

void CompiledText::Join()
{
    joined_.clear();
    joined_angle_dependent_ = false;
    for (const Statement& statement : statements_) {
        if (!statement.bound || statement.generation != Generation()
            || !statement.record.messages.empty() || statement.program.missing_operand) {
            joined_.clear();
            return;
        }
        // The values of all statements but the last are not wanted.
        const std::vector<ReplayInstruction>& code = statement.program.code;
        joined_.insert(joined_.end(), code.begin(), code.end());
        if (joined_.back().step == ReplayStep::kOperateEnd)
            joined_.back().step = ReplayStep::kOperate;
        else
            joined_.pop_back();
        joined_angle_dependent_ = joined_angle_dependent_ || statement.program.angle_dependent;
    }
    if (!statements_.empty()) {
        const ReplayInstruction& end = statements_.back().program.code.back();
        if (end.step == ReplayStep::kOperateEnd)
            joined_.back() = end;
        else
            joined_.push_back(end);
    }
    joined_generation_ = engine_.Variables().Generation();
    joined_angle_mode_ = engine_.CurrentAngleMode();
}

double CompiledText::Evaluate(Statement& statement)
{
    if (!statement.bound || statement.generation != Generation())
        return Compile(statement);
    if (statement.program.angle_dependent && statement.angle_mode != engine_.CurrentAngleMode())
        Bind(statement);
    for (const CompileMessage& message : statement.record.messages) {
        if (message.table_full)
            engine_.ReportFull();
        else
            engine_.host_.ShowMessage(message.text);
    }
    engine_.last_refused_ = statement.refused;
    ++replayed_;
    return engine_.Run(statement.program.code.data(), statement.text);
}

// As EvaluateText compiles and evaluates a statement, keeping what it takes
// to evaluate it again.
double CompiledText::Compile(Statement& statement)
{
    VariableTable& table = engine_.Variables();
    const int count_before = table.Count();
    statement.bound = false;
    statement.generation = Generation();
    statement.record = {};
    statement.creations.clear();
    engine_.compile_record_ = &statement.record;
    const bool loaded = engine_.LoadStatement(statement.text);
    statement.refused = !loaded || engine_.CompileStatement() < 1;
    engine_.compile_record_ = nullptr;
    for (int index = count_before; index < table.Count(); ++index)
        statement.creations.push_back({index, engine_.creation_values_[index]});
    // Where the table stays, compiling again comes out otherwise only after
    // the statement created variables, or was refused (perhaps for a name
    // that another statement creates later).
    if (creations_ == Creations::kRecreated || (!statement.refused && statement.creations.empty())) {
        if (statement.refused)
            statement.tokens.clear();
        else
            statement.tokens.assign(engine_.program_, engine_.program_ + engine_.token_count_);
        statement.table_count = table.Count();
        Bind(statement);
        statement.bound = true;
    }
    return loaded ? engine_.EvaluateProgram() : 0;
}

void CompiledText::Bind(Statement& statement)
{
    statement.angle_mode = engine_.CurrentAngleMode();
    const bool recreated = creations_ == Creations::kRecreated;
    const Engine::BindContext context{
        .table_count = statement.table_count,
        .assign_limit = recreated ? statement.table_count : kLiveCount,
        .recreated = recreated ? std::span<const Creation>(statement.creations) : std::span<const Creation>(),
        .refused_steps = statement.refused ? std::span<const CompileStep>(statement.record.steps)
                                           : std::span<const CompileStep>(),
    };
    statement.program = engine_.Bind(statement.tokens, context);
}

}  // namespace orvik
