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
        if (!arguments.empty() && arguments.back() == "DIR")
            arguments.back() = folder.path();
        const CheckResult result = runCheck(arguments);
        EXPECT_EQ(result.status, 2) << why;
        EXPECT_EQ(result.out, "") << why;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << why;
        EXPECT_EQ(result.err.back(), '\n') << why;
        EXPECT_NE(result.err.find("usage: ordisan-check"), std::string::npos) << why;
    }

    DataFolder folder;
};

TEST_F(CheckUsage, RefusesUnknownAndRepeatedOptions)
{
    expectUsageError({"--hlep"}, "unknown option");
    expectUsageError({"-j", "DIR"}, "unknown short option");
    expectUsageError({"--sex=M", "DIR"}, "value glued to the option");
    expectUsageError({"--json", "--json", "DIR"}, "repeated --json");
    expectUsageError({"--sex", "M", "--sex", "M", "DIR"}, "repeated --sex");
    expectUsageError({"--sex", "M", "--present", "0", "--present", "1", "DIR"},
                     "repeated --present");
    expectUsageError({"--sex", "M", "--absent", "0", "--absent", "1", "DIR"}, "repeated --absent");
}

TEST_F(CheckUsage, RefusesASecondFolder)
{
    expectUsageError({folder.path(), folder.path()}, "second DIR");
    expectUsageError({"--json", folder.path(), "."}, "second DIR after an option");
}

TEST_F(CheckUsage, RefusesASexOtherThanMOrZ)
{
    expectUsageError({"--sex", "m", "DIR"}, "small m");
    expectUsageError({"--sex", "O", "DIR"}, "both sexes");
    expectUsageError({"--sex", "", "DIR"}, "empty sex");
    expectUsageError({"--sex"}, "no value");
}

TEST_F(CheckUsage, RefusesAnswersWithoutASex)
{
    expectUsageError({"--present", "0", "DIR"}, "--present without --sex");
    expectUsageError({"--absent", "0", "DIR"}, "--absent without --sex");
}

TEST_F(CheckUsage, RefusesIndexesThatAreNotNumbers)
{
    for (const std::string list : {"x", "1,,2", "-1", "+1", "1,", "", " 1", "0x1", "1.5"})
        expectUsageError({"--sex", "M", "--present", list, "DIR"}, "index list '" + list + "'");
    expectUsageError({"--sex", "M", "--absent"}, "no value");
}

TEST_F(CheckUsage, RefusesIndexesNotBelowTheSymptomCount)
{
    expectUsageError({"--sex", "M", "--present", "3", "DIR"}, "index 3 of 3 symptoms");
    expectUsageError({"--sex", "M", "--absent", "0,99999999999999999999", "DIR"}, "huge index");
    // Nothing loads from an empty folder, so no index is below the count.
    DataFolder empty;
    expectUsageError({"--sex", "Z", "--present", "0", empty.path()}, "no symptoms loaded");
}

TEST_F(CheckUsage, RefusesAnIndexInBothLists)
{
    expectUsageError({"--sex", "M", "--present", "0,1", "--absent", "2,1", "DIR"}, "1 in both");
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
