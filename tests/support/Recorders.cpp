#include "support/Recorders.h"

namespace vx::test {

Recorders::Recorders() {
    old_fatal_ = SetFatalHandler([this](const std::string& r) { reports.push_back(r); });
    old_message_ = SetMessageHandler([this](const std::string& m) { messages.push_back(m); });
}

Recorders::~Recorders() {
    SetFatalHandler(old_fatal_);
    SetMessageHandler(old_message_);
}

std::vector<std::string> Recorders::FailedExpressions() const {
    std::vector<std::string> out;
    const std::string key = "Error in line: ";
    for (const std::string& r : reports) {
        const std::size_t at = r.find(key);
        if (at == std::string::npos) continue;
        const std::size_t from = at + key.size();
        out.push_back(r.substr(from, r.find("\r\n", from) - from));
    }
    return out;
}

void RecordingTest::TearDown() {
    EXPECT_TRUE(rec.reports.empty()) << "unexpected fatal report:\n"
                                     << (rec.reports.empty() ? "" : rec.reports.front());
}

}  // namespace vx::test
