#include "app/LanguageIndex.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct LocaleLanguage {
    std::string_view language;
    std::string_view territory;  // empty: the main variant, for any other territory
    LanguageId id;
};

// Locale language and territory to language id, for the languages that have a
// language index of their own. For each language the entry without a
// territory comes last and catches territories not listed.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"zh", "CN", 0x0804}, {"zh", "TW", 0x0404}, {"zh", "HK", 0x0C04}, {"zh", "SG", 0x1004},
    {"zh", "MO", 0x1404}, {"zh", "", 0x0804},
    {"ja", "", 0x0411},
    {"de", "DE", 0x0407}, {"de", "CH", 0x0807}, {"de", "AT", 0x0C07}, {"de", "LU", 0x1007},
    {"de", "LI", 0x1407}, {"de", "", 0x0407},
    {"fr", "FR", 0x040C}, {"fr", "BE", 0x080C}, {"fr", "CA", 0x0C0C}, {"fr", "CH", 0x100C},
    {"fr", "LU", 0x140C}, {"fr", "MC", 0x180C}, {"fr", "", 0x040C},
    {"ru", "MD", 0x0819}, {"ru", "", 0x0419},
    {"ko", "", 0x0412},
    {"pt", "BR", 0x0416}, {"pt", "PT", 0x0816}, {"pt", "", 0x0416},
    {"es", "ES", 0x0C0A}, {"es", "MX", 0x080A}, {"es", "GT", 0x100A}, {"es", "CR", 0x140A},
    {"es", "PA", 0x180A}, {"es", "DO", 0x1C0A}, {"es", "VE", 0x200A}, {"es", "CO", 0x240A},
    {"es", "PE", 0x280A}, {"es", "AR", 0x2C0A}, {"es", "EC", 0x300A}, {"es", "CL", 0x340A},
    {"es", "UY", 0x380A}, {"es", "PY", 0x3C0A}, {"es", "BO", 0x400A}, {"es", "SV", 0x440A},
    {"es", "HN", 0x480A}, {"es", "NI", 0x4C0A}, {"es", "PR", 0x500A}, {"es", "US", 0x540A},
    {"es", "", 0x0C0A},
    {"it", "CH", 0x0810}, {"it", "", 0x0410},
    {"nl", "BE", 0x0813}, {"nl", "", 0x0413},
    {"en", "GB", 0x0809}, {"en", "AU", 0x0C09}, {"en", "CA", 0x1009}, {"en", "NZ", 0x1409},
    {"en", "IE", 0x1809}, {"en", "", 0x0409},
};

struct LanguageIndexEntry {
    unsigned index;
    LanguageId id;
};

// The ids of each language index. The lists are exact: ids of the same
// language that are missing here (Spanish 0x280A, French 0x180C, among
// others) belong to index 1 like every other unlisted id.
constexpr LanguageIndexEntry kLanguageIndexes[] = {
    {2, 0x0804}, {2, 0x0C04}, {2, 0x1004}, {2, 0x1404},
    {3, 0x0404},
    {4, 0x0411},
    {5, 0x0407}, {5, 0x0807}, {5, 0x0C07}, {5, 0x1007}, {5, 0x1407},
    {6, 0x040C}, {6, 0x080C}, {6, 0x0C0C}, {6, 0x100C}, {6, 0x140C},
    {7, 0x0419},
    {8, 0x0412}, {8, 0x0812},
    {9, 0x0416}, {9, 0x0816},
    {10, 0x040A}, {10, 0x080A}, {10, 0x0C0A}, {10, 0x100A}, {10, 0x140A}, {10, 0x180A},
    {10, 0x1C0A}, {10, 0x200A}, {10, 0x240A}, {10, 0x2C0A}, {10, 0x300A}, {10, 0x340A},
    {10, 0x380A}, {10, 0x3C0A}, {10, 0x400A}, {10, 0x440A}, {10, 0x480A}, {10, 0x4C0A},
    {10, 0x500A},
    {11, 0x0410}, {11, 0x0810},
    {12, 0x0413}, {12, 0x0813},
};

// Per index 1..12: the layout document and the error message. Indexes 3, 5,
// 7, 8 and 9 have no document of their own and use the English one; only
// indexes 2 to 5 have a translated message.
struct LanguageResources {
    int layoutResourceId;
    std::string_view errorMessage;
};

constexpr std::string_view kEnglishError = "Failed to create the configuration file!";

constexpr LanguageResources kLanguageResources[] = {
    {150, kEnglishError},                                      // 1 English
    {149, "创建配置文件失败!"},                                 // 2 Chinese (Simplified)
    {150, "創建配置文件失敗!"},                                 // 3 Chinese (Traditional)
    {159, "設定ファイルの作成に失敗しました!"},                 // 4 Japanese
    {150, "Fehler beim Erstellen der Konfigurationsdatei!"},   // 5 German
    {161, kEnglishError},                                      // 6 French
    {150, kEnglishError},                                      // 7 Russian
    {150, kEnglishError},                                      // 8 Korean
    {150, kEnglishError},                                      // 9 Portuguese
    {165, kEnglishError},                                      // 10 Spanish
    {166, kEnglishError},                                      // 11 Italian
    {169, kEnglishError},                                      // 12 Dutch
};

const LanguageResources& ResourcesOf(unsigned languageIndex) {
    if (languageIndex < 1 || languageIndex > std::size(kLanguageResources)) languageIndex = 1;
    return kLanguageResources[languageIndex - 1];
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

}  // namespace

LanguageId LanguageIdFromLocale(std::string_view locale) {
    // language[_territory][.codeset][@modifier]
    locale = locale.substr(0, std::min(locale.find('.'), locale.find('@')));
    const std::size_t separator = locale.find_first_of("_-");
    const std::string_view language = locale.substr(0, separator);
    const std::string_view territory =
        separator == std::string_view::npos ? std::string_view() : locale.substr(separator + 1);
    for (const LocaleLanguage& entry : kLocaleLanguages) {
        if (!EqualsIgnoringCase(entry.language, language)) continue;
        if (entry.territory.empty() || EqualsIgnoringCase(entry.territory, territory)) return entry.id;
    }
    return kLanguageIdEnglishUs;
}

LanguageId GetUserLanguageId() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return LanguageIdFromLocale(value);
    }
    return kLanguageIdEnglishUs;
}

unsigned GetLanguageIndex(LanguageId languageId) {
    for (const LanguageIndexEntry& entry : kLanguageIndexes) {
        if (entry.id == languageId) return entry.index;
    }
    return 1;
}

unsigned GetLanguageIndex() { return GetLanguageIndex(GetUserLanguageId()); }

int GetLayoutResourceId(unsigned languageIndex) { return ResourcesOf(languageIndex).layoutResourceId; }

std::string_view GetConfigErrorMessage(unsigned languageIndex) {
    return ResourcesOf(languageIndex).errorMessage;
}
