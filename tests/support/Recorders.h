#pragma once

// Installs recorders for fatal reports and user messages for the lifetime of a
// test, so failures become data the test can inspect instead of ending the run.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/FatalReport.h"
#include "shell/Messages.h"

namespace vx::test {

class Recorders {
public:
    Recorders();
    ~Recorders();
    Recorders(const Recorders&) = delete;
    Recorders& operator=(const Recorders&) = delete;

    std::vector<std::string> reports;   // whole report texts
    std::vector<std::string> messages;  // ShowMessage texts

    // The "Error in line: " expression of each report, in order.
    std::vector<std::string> FailedExpressions() const;

private:
    FatalHandler old_fatal_;
    MessageHandler old_message_;
};

// A test fixture that records fatal reports and messages, and fails the test if
// any fatal report is left unexpected (tests that expect one clear `reports`).
class RecordingTest : public ::testing::Test {
protected:
    void TearDown() override;
    Recorders rec;
};

}  // namespace vx::test
