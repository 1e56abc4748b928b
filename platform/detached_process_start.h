#pragma once

#include <QtGlobal>

#include "platform/process_start.h"

namespace orvik {

// Starts programs as processes of their own, which the program neither waits
// for nor ends.
class DetachedProcessStart : public ProcessStart {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override;

    // The process id of the last program started, 0 before the first.
    qint64 LastProcessId() const { return last_process_id_; }

private:
    qint64 last_process_id_ = 0;
};

}  // namespace orvik
