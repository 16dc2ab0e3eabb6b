#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include <boost/date_time/posix_time/posix_time.hpp>

#include "core/LogSystem.h"

namespace {

class LogSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = ::testing::TempDir() + "scoutrel-log-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
        std::remove(path_.c_str());
        LogSystem::ResetLogSettings();
    }
    void TearDown() override {
        LogSystem::ResetLogSettings();
        std::remove(path_.c_str());
    }
    std::string FileText() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool FileExists() const { return std::ifstream(path_).good(); }

    std::string path_;
};

TEST_F(LogSystemTest, OffOrWithoutPathWritesNothing) {
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(LogSystem::WriteLog("off %d", 1), 0);
    EXPECT_EQ(LogSystem::WriteLogPrecise("off %d", 2), 0);
    LogSystem::WriteClosingLine();
    LogSystem::EnableLog("");
    EXPECT_EQ(LogSystem::WriteLog("no path"), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(FileExists());
}

TEST_F(LogSystemTest, DailyLineFormatInFileAndOnStandardOutput) {
    LogSystem::EnableLog(path_);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(LogSystem::WriteLog("SendThread %d : %s", 67, "up"), 1);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(std::regex_match(out, std::regex(R"(SendThread 67 : up\*\[\d\d::\d\d:\d\d:\d\d\]\r\n)"))) << out;
    EXPECT_EQ(FileText(), out);
}

TEST_F(LogSystemTest, PreciseLineFormat) {
    LogSystem::EnableLog(path_);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(LogSystem::WriteLogPrecise("go"), 1);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(std::regex_match(out, std::regex(R"(\[--\d\d:\d\d:\d\d(\.\d{6})?--\]\*go\r\n)"))) << out;
}

TEST_F(LogSystemTest, StampFormatsForChosenTimes) {
    using boost::posix_time::hours;
    using boost::posix_time::microseconds;
    using boost::posix_time::minutes;
    using boost::posix_time::seconds;
    char line[LogSystem::kLogBufferSize];

    std::tm beforeMidnight{};
    beforeMidnight.tm_mday = 7;
    beforeMidnight.tm_hour = 23;
    beforeMidnight.tm_min = 59;
    beforeMidnight.tm_sec = 59;
    ASSERT_TRUE(LogSystem::FormatDailyLine(line, "m", beforeMidnight));
    EXPECT_STREQ(line, "m*[07::23:59:59]\r\n");

    ASSERT_TRUE(LogSystem::FormatPreciseLine(line, "z", hours(9) + minutes(5) + seconds(3)));
    EXPECT_STREQ(line, "[--09:05:03--]*z\r\n");
    ASSERT_TRUE(LogSystem::FormatPreciseLine(line, "f", hours(0) + seconds(1) + microseconds(42)));
    EXPECT_STREQ(line, "[--00:00:01.000042--]*f\r\n");
}

TEST_F(LogSystemTest, MessagesOver1006CharactersAreDroppedWhole) {
    LogSystem::EnableLog(path_);
    ::testing::internal::CaptureStdout();
    const std::string fits(1006, 'a');
    const std::string tooLong(1007, 'b');
    EXPECT_EQ(LogSystem::WriteLog("%s", fits.c_str()), 1);
    EXPECT_EQ(LogSystem::WriteLog("%s", tooLong.c_str()), 0);
    EXPECT_EQ(LogSystem::WriteLog("%s", std::string(5000, 'c').c_str()), 0);
    EXPECT_EQ(LogSystem::WriteLog("%s", ""), 0);  // an empty message is dropped too
    ::testing::internal::GetCapturedStdout();
    const std::string text = FileText();
    EXPECT_EQ(text.size(), 1023u);
    EXPECT_EQ(text.find('b'), std::string::npos);
}

TEST_F(LogSystemTest, PercentSignsAreEchoedUnchanged) {
    LogSystem::EnableLog(path_);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(LogSystem::WriteLog("%s", "100% %d %s %n"), 1);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("100% %d %s %n*[", 0), 0u) << out;
}

TEST_F(LogSystemTest, UnopenableFileStillEchoes) {
    LogSystem::EnableLog("/nonexistent-folder/for/sure/log.txt");
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(LogSystem::WriteLog("still"), 1);
    EXPECT_NE(::testing::internal::GetCapturedStdout().find("still*["), std::string::npos);
}

TEST_F(LogSystemTest, ClosingLineOnlyWhenOnAndNotEchoed) {
    LogSystem::EnableLog(path_);
    ::testing::internal::CaptureStdout();
    LogSystem::WriteClosingLine();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(FileText(), "------Exit Log System-------\r\n");
    LogSystem::ResetLogSettings();
    EXPECT_FALSE(LogSystem::IsLogEnabled());
}

}  // namespace
