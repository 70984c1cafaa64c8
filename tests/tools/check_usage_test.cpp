// Usage errors of ordisan-check: exit status 2, one line on standard error, nothing on
// standard output.
#include "check_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ordisan::tools::test {

namespace {

// Three symptoms: indexes 0, 1 and 2.
class CheckUsage : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("podaci.cxt", "A\n O-G) x\n O-G) y\n O-G) z\n");
        folder.write("rjecnik.cxt", "Bol\n");
    }

    void expectUsageError(std::vector<std::string> arguments, const std::string& why)
    {
        std::replace(arguments.begin(), arguments.end(), std::string("DIR"), folder.path());
        const CheckResult result = runCheck(arguments);
        EXPECT_EQ(result.status, 2) << why;
        EXPECT_EQ(result.out, "") << why;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << why;
        EXPECT_EQ(result.err.back(), '\n') << why;
        EXPECT_NE(result.err.find("usage: ordisan-check"), std::string::npos) << why;
    }

    DataFolder folder;
};

TEST_F(CheckUsage, RefusesWhatIsNoCommandLineOfIt)
{
    DataFolder empty;
    const std::vector<std::string> rows[] = {
        {"-j", "DIR"}, {"--sex=M", "DIR"}, {"--json", "--json", "DIR"},
        {"--sex", "M", "--sex", "M", "DIR"}, {"--sex", "M", "--present", "0", "--present", "1", "DIR"},
        {"--sex", "M", "--absent", "0", "--absent", "1", "DIR"}, {"DIR", "."}, {"--json", "DIR", "."},
        {"--sex", "m", "DIR"}, {"--sex", "O", "DIR"}, {"--sex", "", "DIR"}, {"--sex"},
        {"--present", "0", "DIR"}, {"--absent", "0", "DIR"}, {"--sex", "M", "--absent"},
        {"--sex", "M", "--present", "x", "DIR"}, {"--sex", "M", "--present", "1,,2", "DIR"},
        {"--sex", "M", "--present", "-1", "DIR"}, {"--sex", "M", "--present", "+1", "DIR"},
        {"--sex", "M", "--present", "1,", "DIR"}, {"--sex", "M", "--present", "", "DIR"},
        {"--sex", "M", "--present", " 1", "DIR"}, {"--sex", "M", "--present", "0x1", "DIR"},
        {"--sex", "M", "--present", "1.5", "DIR"},
        // Indexes not below the symptom count (none load from an empty folder), or in
        // both lists.
        {"--sex", "M", "--present", "3", "DIR"},
        {"--sex", "M", "--absent", "0,99999999999999999999", "DIR"},
        {"--sex", "Z", "--present", "0", empty.path()},
        {"--sex", "M", "--present", "0,1", "--absent", "2,1", "DIR"},
    };
    for (const auto& row : rows) {
        std::string line;
        for (const auto& argument : row)
            line += argument + " ";
        expectUsageError(row, line);
    }
}

TEST_F(CheckUsage, AcceptsEveryOptionOnceAndARepeatInsideOneList)
{
    const CheckResult result =
        runCheck({"--absent", "2", "--present", "0,0,1", "--sex", "M", "--json", folder.path()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find(R"("diagnosis":{"sex":"M",)"), std::string::npos) << result.out;
}

} // namespace

} // namespace ordisan::tools::test
