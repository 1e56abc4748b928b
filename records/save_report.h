#pragma once

namespace orvik {

class UserPort;

// A save the user asked for is answered either way: "保存成功", or the
// message of a file that could not be written.
void ReportSave(UserPort& port, bool saved);

}  // namespace orvik
