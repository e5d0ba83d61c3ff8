#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

#include "shell/Checked.h"
#include "support/Recorders.h"

namespace vx {
namespace {

// A status call that itself runs a failing checked condition, as the project
// reader does inside the main window's load.
int InnerCheckFails() {
    VX_CHECK(false, "obj[n]==NULL");
    return 0;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The last report: the frames outermost first, the line in error, errno signed,
// one place per frame, and the support address; no frame is left on the stack.
TEST(FatalReport, TheReportNamesTheFramesTheLineInErrorAndTheErrorCode) {
    const struct {
        const char* what;
        std::function<void()> fail;
        std::string head;
        std::size_t frames;
    } cases[] = {
        {"a failure inside a status call",
         [] { VX_CALL(InnerCheckFails(), "LoadProject(doc_name,lf)"); },
         "Error sequence: LoadProject(doc_name,lf) -> obj[n]==NULL\r\n\r\n"
         "Error in line: obj[n]==NULL\r\n\r\nError code: 0\r\n\r\nFile: " +
             std::string(__FILE__) + "; line: ",
         2},
        {"a single frame and a negative errno",
         [] {
             errno = -5;
             VX_CHECK(errno == 0, "cur!=-1");
         },
         "Error sequence: cur!=-1\r\n\r\nError in line: cur!=-1\r\n\r\nError code: -5\r\n\r\n", 1},
        {"out of memory pushes no frame", [] { VX_OUT_OF_MEMORY(); },
         "Error sequence: \r\n\r\nError in line: not enough memory to complete operation\r\n\r\n"
         "Error code: 0\r\n\r\n\r\nPlease email",
         0},
        {"after Retry the next check pushes at the same depth",
         [] {
             traceStack.Push("outer()", "here", 1);
             VX_CHECK(false, "first");
             VX_CHECK(false, "second");
             traceStack.Pop();
         },
         "Error sequence: outer() -> second\r\n\r\nError in line: second\r\n", 2},
    };
    const std::string tail = "\r\n\r\nPlease email this error message to:\r\nhelp@example.org";
    SetSupportAddress("help@example.org");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::Recorders rec;
        errno = 0;
        c.fail();
        errno = 0;
        ASSERT_FALSE(rec.reports.empty());
        const std::string& r = rec.reports.back();
        EXPECT_TRUE(r.starts_with(c.head)) << r;
        EXPECT_EQ(Count(r, "\r\nFile: "), c.frames);
        EXPECT_TRUE(r.ends_with(tail)) << r;
        EXPECT_EQ(traceStack.depth, 0);
    }
}

TEST(FatalReport, StatusCallFailsOnNonZeroOnly) {
    test::Recorders rec;
    VX_CALL(0, "0");
    VX_CALL(-1, "-1");
    VX_CALL(7, "7");
    VX_CHECK(true, "true");
    EXPECT_EQ(rec.FailedExpressions(), (std::vector<std::string>{"-1", "7"}));
}

TEST(TraceStack, NestingPastCapacityStoresNothingBeyondTheArrays) {
    test::Recorders rec;
    for (int i = 0; i < 150; ++i) traceStack.Push("deep()", "f", i);
    VX_CHECK(false, "deepest");
    for (int i = 0; i < 150; ++i) traceStack.Pop();
    EXPECT_EQ(traceStack.depth, 0);
    ASSERT_EQ(rec.reports.size(), 1u);
    // The 100 stored frames are reported; the failing one, beyond them, only as
    // the line in error.
    EXPECT_EQ(Count(rec.reports[0], "File: f;"), 100u);
    EXPECT_NE(rec.reports[0].find("File: f; line: 99\r\n\r\nPlease"), std::string::npos);
    EXPECT_NE(rec.reports[0].find("Error in line: deepest\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vx
