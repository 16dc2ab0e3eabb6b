#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/LanguageIndex.h"
#include "tests/layout/EnvironmentGuard.h"

namespace {

struct LocaleCase {
    const char* locale;
    LanguageId id;
    unsigned index;
};

TEST(LanguageIndexTest, LocaleGivesLanguageIdAndIndex) {
    const LocaleCase cases[] = {
        {"zh_CN.UTF-8", 0x0804, 2}, {"zh_SG", 0x1004, 2},       {"zh_HK.UTF-8", 0x0C04, 2},
        {"zh_MO", 0x1404, 2},       {"zh_TW.UTF-8", 0x0404, 3}, {"zh_TW.Big5", 0x0404, 3},
        {"zh", 0x0804, 2},          {"ja_JP.UTF-8", 0x0411, 4}, {"ja", 0x0411, 4},
        {"de_DE.UTF-8", 0x0407, 5}, {"de_DE@euro", 0x0407, 5},  {"de_CH", 0x0807, 5},
        {"de_AT", 0x0C07, 5},       {"de_BE", 0x0407, 5},       {"fr_FR.UTF-8", 0x040C, 6},
        {"fr_CA", 0x0C0C, 6},       {"fr_BE", 0x080C, 6},       {"fr_MC", 0x180C, 1},
        {"ru_RU.UTF-8", 0x0419, 7}, {"ko_KR.UTF-8", 0x0412, 8}, {"pt_BR", 0x0416, 9},
        {"pt_PT.UTF-8", 0x0816, 9}, {"es_ES.UTF-8", 0x0C0A, 10}, {"es_MX", 0x080A, 10},
        {"es_AR", 0x2C0A, 10},      {"es_PR", 0x500A, 10},      {"es_PE", 0x280A, 1},
        {"es_US", 0x540A, 1},       {"it_IT.UTF-8", 0x0410, 11}, {"it_CH", 0x0810, 11},
        {"nl_NL.UTF-8", 0x0413, 12}, {"nl_BE", 0x0813, 12},     {"en_US.UTF-8", 0x0409, 1},
        {"en_GB", 0x0809, 1},       {"C", 0x0409, 1},           {"POSIX", 0x0409, 1},
        {"C.UTF-8", 0x0409, 1},     {"", 0x0409, 1},            {"sv_SE.UTF-8", 0x0409, 1},
    };
    for (const LocaleCase& c : cases) {
        EXPECT_EQ(LanguageIdFromLocale(c.locale), c.id) << c.locale;
        EXPECT_EQ(GetLanguageIndex(LanguageIdFromLocale(c.locale)), c.index) << c.locale;
    }
}

TEST(LanguageIndexTest, EachIndexHasExactlyItsListedIds) {
    // Every 16-bit id: the lists are exact, so the count per index is too.
    std::map<unsigned, int> idsPerIndex;
    for (unsigned id = 0; id <= 0xFFFF; ++id) ++idsPerIndex[GetLanguageIndex(static_cast<LanguageId>(id))];
    const std::map<unsigned, int> expected = {
        {1, 65536 - 44}, {2, 4}, {3, 1}, {4, 1}, {5, 5}, {6, 5},
        {7, 1}, {8, 2}, {9, 2}, {10, 19}, {11, 2}, {12, 2},
    };
    EXPECT_EQ(idsPerIndex, expected);

    for (const LanguageId id : {0x040A, 0x180A, 0x240A, 0x2C0A, 0x500A}) EXPECT_EQ(GetLanguageIndex(id), 10u);
    EXPECT_EQ(GetLanguageIndex(0x280A), 1u);
    EXPECT_EQ(GetLanguageIndex(0x180C), 1u);
    EXPECT_EQ(GetLanguageIndex(0x0C04), 2u);
    EXPECT_EQ(GetLanguageIndex(0x1404), 2u);
    EXPECT_EQ(GetLanguageIndex(0x0812), 8u);
}

struct IndexResources {
    unsigned index;
    int layoutResourceId;
    std::string message;
};

TEST(LanguageIndexTest, IndexChoosesLayoutDocumentAndMessage) {
    const std::string english = "Failed to create the configuration file!";
    const IndexResources cases[] = {
        {1, 150, english},
        {2, 149, "创建配置文件失败!"},
        {3, 150, "創建配置文件失敗!"},
        {4, 159, "設定ファイルの作成に失敗しました!"},
        {5, 150, "Fehler beim Erstellen der Konfigurationsdatei!"},
        {6, 161, english},
        {7, 150, english},
        {8, 150, english},
        {9, 150, english},
        {10, 165, english},
        {11, 166, english},
        {12, 169, english},
    };
    for (const IndexResources& c : cases) {
        EXPECT_EQ(GetLayoutResourceId(c.index), c.layoutResourceId) << "index " << c.index;
        EXPECT_EQ(GetConfigErrorMessage(c.index), c.message) << "index " << c.index;
    }
}

TEST(LanguageIndexTest, LocaleComesFromLcAllThenLcMessagesThenLang) {
    EnvironmentGuard environment;
    environment.Set("LC_ALL", "ja_JP.UTF-8");
    environment.Set("LC_MESSAGES", "de_DE.UTF-8");
    environment.Set("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(GetUserLanguageId(), 0x0411);
    environment.Set("LC_ALL", "");
    EXPECT_EQ(GetUserLanguageId(), 0x0407);
    environment.Unset("LC_MESSAGES");
    EXPECT_EQ(GetUserLanguageId(), 0x040C);
    EXPECT_EQ(GetLanguageIndex(), 6u);
    environment.Unset("LANG");
    EXPECT_EQ(GetUserLanguageId(), 0x0409);
}

}  // namespace
