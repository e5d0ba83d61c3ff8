#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "shell/Checked.h"
#include "support/Recorders.h"

namespace vx {
namespace {

int Succeeds() {
    return 0;
}
int FailsWith(int status) {
    return status;
}

// A status call that itself runs a failing checked condition, as the project
// reader does inside the main window's load.
int InnerCheckFails() {
    VX_CHECK(false, "obj[n]==NULL");
    return 0;
}

TEST(FatalReport, TextOfANestedFailureListsFramesOutermostFirst) {
    test::Recorders rec;
    SetSupportAddress("help@example.org");
    errno = 0;
    VX_CALL(InnerCheckFails(), "LoadProject(doc_name,lf)");
    ASSERT_EQ(rec.reports.size(), 1u);
    const std::string& r = rec.reports[0];
    const std::string file = __FILE__;
    const std::string expected_head =
        "Error sequence: LoadProject(doc_name,lf) -> obj[n]==NULL\r\n\r\n"
        "Error in line: obj[n]==NULL\r\n\r\n"
        "Error code: 0\r\n"
        "\r\nFile: " +
        file + "; line: ";
    EXPECT_EQ(r.substr(0, expected_head.size()), expected_head);
    EXPECT_NE(r.find("\r\nFile: " + file), r.rfind("\r\nFile: " + file)) << "two frames";
    const std::string tail = "\r\n\r\nPlease email this error message to:\r\nhelp@example.org";
    ASSERT_GE(r.size(), tail.size());
    EXPECT_EQ(r.substr(r.size() - tail.size()), tail);
    EXPECT_EQ(traceStack.depth, 0);
}

TEST(FatalReport, SingleFrameHasNoArrowAndSignedErrorCode) {
    test::Recorders rec;
    errno = -5;
    VX_CHECK(errno == 0, "cur!=-1");
    ASSERT_EQ(rec.reports.size(), 1u);
    EXPECT_EQ(rec.reports[0].find(" -> "), std::string::npos);
    EXPECT_NE(rec.reports[0].find("Error sequence: cur!=-1\r\n"), std::string::npos);
    EXPECT_NE(rec.reports[0].find("Error code: -5\r\n"), std::string::npos);
    errno = 0;
}

TEST(FatalReport, StatusCallFailsOnNonZeroOnlyAndLeavesNoTrace) {
    test::Recorders rec;
    VX_CALL(Succeeds(), "Succeeds()");
    VX_CHECK(true, "true");
    EXPECT_TRUE(rec.reports.empty());
    VX_CALL(FailsWith(-1), "FailsWith(-1)");
    VX_CALL(FailsWith(7), "FailsWith(7)");
    EXPECT_EQ(rec.FailedExpressions(), (std::vector<std::string>{"FailsWith(-1)", "FailsWith(7)"}));
    EXPECT_EQ(traceStack.depth, 0);
}

TEST(FatalReport, AfterRetryTheNextCheckPushesAtTheSameDepth) {
    test::Recorders rec;
    traceStack.Push("outer()", "here", 1);
    VX_CHECK(false, "first");
    EXPECT_EQ(traceStack.depth, 1);
    VX_CHECK(false, "second");
    traceStack.Pop();
    ASSERT_EQ(rec.reports.size(), 2u);
    EXPECT_NE(rec.reports[1].find("Error sequence: outer() -> second\r\n"), std::string::npos);
}

TEST(FatalReport, OutOfMemoryPushesNoFrame) {
    test::Recorders rec;
    VX_OUT_OF_MEMORY();
    ASSERT_EQ(rec.reports.size(), 1u);
    EXPECT_EQ(rec.reports[0].rfind("Error sequence: \r\n\r\n"
                                   "Error in line: not enough memory to complete operation\r\n\r\n"
                                   "Error code: 0\r\n\r\n\r\nPlease email",
                                   0),
              0u);
}

TEST(TraceStack, NestingPastCapacityStoresNothingBeyondTheArrays) {
    test::Recorders rec;
    for (int i = 0; i < 150; ++i) traceStack.Push("deep()", "f", i);
    EXPECT_EQ(traceStack.depth, 150);
    EXPECT_EQ(traceStack.StoredFrames(), TRACE_FRAMES);
    VX_CHECK(false, "deepest");
    for (int i = 0; i < 150; ++i) traceStack.Pop();
    EXPECT_EQ(traceStack.depth, 0);
    ASSERT_EQ(rec.reports.size(), 1u);
    const std::string& r = rec.reports[0];
    // The 100 stored frames are reported; the failing one, beyond them, only as
    // the line in error.
    std::size_t frames = 0;
    for (std::size_t at = r.find("File: f;"); at != std::string::npos;
         at = r.find("File: f;", at + 1))
        ++frames;
    EXPECT_EQ(frames, 100u);
    EXPECT_NE(r.find("File: f; line: 99\r\n\r\nPlease"), std::string::npos);
    EXPECT_NE(r.find("Error in line: deepest\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vx
