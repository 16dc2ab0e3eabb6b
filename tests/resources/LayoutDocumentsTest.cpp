// The seven built-in layout documents: their encoding and line ends, their
// structure and attribute order, and every value they carry.
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "resources/EmbeddedResources.h"

namespace {

using Values = std::map<std::string, std::string>;

struct Document {
    int id;
    const char* language;
};
const Document kDocuments[] = {{150, "English"}, {149, "Chinese (Simplified)"}, {159, "Japanese"}, {161, "French"},
                               {165, "Spanish"}, {166, "Italian"},             {169, "Dutch"}};

std::string_view DocumentText(int id)
{
    const auto bytes = FindEmbeddedResource(id, "XML");
    EXPECT_TRUE(bytes.has_value()) << "no document " << id;
    if (!bytes) {
        return {};
    }
    return {reinterpret_cast<const char*>(bytes->data()), bytes->size()};
}

// The attributes of each element, in the order they are written.
const std::map<std::string, std::vector<std::string>> kAttributeOrder = {
    {"WindowInformation", {}},
    {"DialogInfo", {"DialogID", "DialogText", "DialogDiscrip"}},
    {"Standard",
     {"DialogBGPath", "DialogBGColor", "DlgPaintMode", "DlgTextOffSet", "DlgTextColor", "DialogFont", "DialogFontSize",
      "DialogPos"}},
    {"CtrlInfo",
     {"CtrlID", "CtrlBGPath", "CtrlBGStatusCount", "CtrlBGColor", "CtrlBorderColor", "CtrlPaintMode", "CtrlClass",
      "CtrlStyle", "CtrlPosType", "CtrlPos", "CtrlShow", "CtrlText", "CtrlTextOffSet", "CtrlTextColor", "CtrlFont",
      "CtrlFontSize", "CtrlDiscrip"}},
    {"StringInfo", {"StringID", "StringValue"}},
};

void ExpectAttributeOrder(const pugi::xml_node& element)
{
    const auto expected = kAttributeOrder.find(element.name());
    ASSERT_NE(expected, kAttributeOrder.end()) << "unexpected element " << element.name();
    std::vector<std::string> names;
    for (const pugi::xml_attribute& attribute : element.attributes()) {
        names.emplace_back(attribute.name());
    }
    EXPECT_EQ(names, expected->second) << "attributes of " << element.name() << " "
                                       << element.attribute("CtrlID").value()
                                       << element.attribute("StringID").value();
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() == pugi::node_element) {
            ExpectAttributeOrder(child);
        }
    }
}

std::vector<std::string> ChildNames(const pugi::xml_node& element)
{
    std::vector<std::string> names;
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() == pugi::node_element) {
            names.emplace_back(child.name());
        }
    }
    return names;
}

// Every value of a document under a key that names where it stands:
// "DialogInfo.DialogText", "Standard.DialogPos", "2106.CtrlPos",
// "String.SEARCH_DEVICE_LIST_ITEM_NAME".
Values FlattenValues(const pugi::xml_document& document)
{
    Values values;
    const pugi::xml_node dialog = document.child("WindowInformation").child("DialogInfo");
    for (const pugi::xml_attribute& a : dialog.attributes()) {
        values[std::string("DialogInfo.") + a.name()] = a.value();
    }
    const pugi::xml_node section = dialog.child("Standard");
    for (const pugi::xml_attribute& a : section.attributes()) {
        values[std::string("Standard.") + a.name()] = a.value();
    }
    for (const pugi::xml_node& control : section.children("CtrlInfo")) {
        const std::string id = control.attribute("CtrlID").value();
        for (const pugi::xml_attribute& a : control.attributes()) {
            values[id + "." + a.name()] = a.value();
        }
    }
    for (const pugi::xml_node& string : dialog.children("StringInfo")) {
        values[std::string("String.") + string.attribute("StringID").value()] = string.attribute("StringValue").value();
    }
    return values;
}

pugi::xml_document ParseDocument(std::string_view text, pugi::xml_parse_result& result)
{
    pugi::xml_document document;
    result = document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_declaration,
                                  pugi::encoding_auto);
    return document;
}

TEST(LayoutDocuments, AreUtf8WithByteOrderMarkAndCrlfLineEnds)
{
    for (const Document& d : kDocuments) {
        SCOPED_TRACE(d.language);
        const std::string_view text = DocumentText(d.id);
        ASSERT_GE(text.size(), 3u);
        EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_EQ(text.substr(3, 40), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n");
        std::size_t lines = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "carriage return without line feed at " << i;
            } else if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "line feed without carriage return at " << i;
                ++lines;
            }
        }
        // Declaration, three opening tags, nine controls, the section's end,
        // seven strings, two closing tags: one element per line.
        EXPECT_EQ(lines, 23u);
        EXPECT_TRUE(text.ends_with("</WindowInformation>\r\n"));
    }
}

TEST(LayoutDocuments, AreWellFormedWithOneDialogOneSectionNineControlsSevenStrings)
{
    const std::vector<std::string> controlIds = {"2101", "2102", "2103", "2104", "2105",
                                                 "2106", "2107", "2108", "2109"};
    const std::vector<std::string> stringIds = {
        "SEARCH_DEVICE_LIST_ITEM_NAME",        "SEARCH_DEVICE_LIST_ITEM_IP",
        "SEARCH_DEVICE_LIST_ITEM_TYPE",        "SEARCH_DEVICE_LIST_HEADER_FONT_NAME",
        "SEARCH_DEVICE_LIST_HEADER_FONT_SIZE", "SEARCH_DEVICE_LIST_HEADER_FONT_COLOR",
        "SEARCH_DEVICE_WATI_TIME_WARNING"};
    for (const Document& d : kDocuments) {
        SCOPED_TRACE(d.language);
        pugi::xml_parse_result result;
        const pugi::xml_document document = ParseDocument(DocumentText(d.id), result);
        ASSERT_TRUE(result) << result.description() << " at offset " << result.offset;
        EXPECT_EQ(result.encoding, pugi::encoding_utf8);

        const pugi::xml_node declaration = document.first_child();
        ASSERT_EQ(declaration.type(), pugi::node_declaration);
        EXPECT_STREQ(declaration.attribute("version").value(), "1.0");
        EXPECT_STREQ(declaration.attribute("encoding").value(), "utf-8");

        EXPECT_EQ(ChildNames(document), std::vector<std::string>{"WindowInformation"});
        const pugi::xml_node root = document.child("WindowInformation");
        EXPECT_EQ(ChildNames(root), std::vector<std::string>{"DialogInfo"});
        const pugi::xml_node dialog = root.child("DialogInfo");
        std::vector<std::string> dialogChildren = {"Standard"};
        dialogChildren.insert(dialogChildren.end(), stringIds.size(), "StringInfo");
        EXPECT_EQ(ChildNames(dialog), dialogChildren);
        const pugi::xml_node section = dialog.child("Standard");
        EXPECT_EQ(ChildNames(section), std::vector<std::string>(controlIds.size(), "CtrlInfo"));

        std::vector<std::string> ids;
        for (const pugi::xml_node& control : section.children("CtrlInfo")) {
            ids.emplace_back(control.attribute("CtrlID").value());
            EXPECT_FALSE(control.first_child()) << "control " << ids.back() << " has content";
        }
        EXPECT_EQ(ids, controlIds);
        ids.clear();
        for (const pugi::xml_node& string : dialog.children("StringInfo")) {
            ids.emplace_back(string.attribute("StringID").value());
        }
        EXPECT_EQ(ids, stringIds);

        ExpectAttributeOrder(root);
    }
}

// The English document, value by value.
Values EnglishValues()
{
    const std::string pictures = "\\ZelvoSearchTools\\Picture\\";
    Values v = {
        {"DialogInfo.DialogID", "201"},
        {"DialogInfo.DialogText", "Zelvo Roamvera"},
        {"DialogInfo.DialogDiscrip", "Search Device Windows"},
        {"Standard.DialogBGPath", pictures + "SearchDevice_BlackGround.png"},
        {"Standard.DialogBGColor", "255,255,255"},
        {"Standard.DlgPaintMode", "8"},
        {"Standard.DlgTextOffSet", "0,0"},
        {"Standard.DlgTextColor", "244,245,247"},
        {"Standard.DialogFont", "宋体"},
        {"Standard.DialogFontSize", "12"},
        {"Standard.DialogPos", "0,0,328,245"},
        {"String.SEARCH_DEVICE_LIST_ITEM_NAME", "Host Name"},
        {"String.SEARCH_DEVICE_LIST_ITEM_IP", "IP Address"},
        {"String.SEARCH_DEVICE_LIST_ITEM_TYPE", "Devcie Type"},
        {"String.SEARCH_DEVICE_LIST_HEADER_FONT_NAME", "宋体"},
        {"String.SEARCH_DEVICE_LIST_HEADER_FONT_SIZE", "12"},
        {"String.SEARCH_DEVICE_LIST_HEADER_FONT_COLOR", "244,245,247"},
        {"String.SEARCH_DEVICE_WATI_TIME_WARNING", "Searching new devices,please wait"},
    };
    const struct {
        const char *id, *cls, *path, *count, *paintMode, *pos, *text, *offset, *textColor, *fontSize, *discrip;
    } controls[] = {
        {"2101", "ShowImageCtrl", "logo.png", "1", "4", "7,7,16,16", "", "0,0", "255,255,255", "12", "LOG Image Show"},
        {"2102", "ShowTextCtrl", "", "1", "4", "30,4,270,25", "Zelvo Roamvera", "0,0", "244,245,247", "21",
         "Dialog Title"},
        {"2103", "StandardButton", "close.png", "4", "4", "300,10,11,11", "", "0,0", "244,245,247", "12",
         "Close Button"},
        {"2104", "ShowTextImageCtrl", "", "1", "4", "15,32,200,15", "Device List", "13,2", "244,245,247", "12",
         "Device List Title"},
        {"2105", "StandardListCtrl", "", "1", "1", "10,50,308,141", "Device List", "0,0", "6,65,105", "12",
         "Device List Show"},
        {"2106", "ShowTextImageCtrl", "Brush.png", "1", "4", "10,194,280,15", "Searching new devices,please wait…",
         "15,1", "244,245,247", "12", ""},
        {"2107", "StandardButton", "ButtonMax.png", "4", "4", "18,210,79,23", "Log In", "0,6", "244,245,247", "12",
         "Log In Button"},
        {"2108", "StandardButton", "ButtonMax.png", "4", "4", "127,210,79,23", "Refresh", "0,6", "244,245,247", "12",
         "Refresh Button"},
        {"2109", "StandardButton", "ButtonMax.png", "4", "4", "228,210,79,23", "My Storage", "0,6", "244,245,247",
         "12", "My Storage Button"},
    };
    for (const auto& c : controls) {
        const std::string p = std::string(c.id) + ".";
        v[p + "CtrlID"] = c.id;
        v[p + "CtrlBGPath"] = *c.path ? pictures + c.path : "";
        v[p + "CtrlBGStatusCount"] = c.count;
        v[p + "CtrlBGColor"] = "255,255,255";
        v[p + "CtrlBorderColor"] = "126,157,185";
        v[p + "CtrlPaintMode"] = c.paintMode;
        v[p + "CtrlClass"] = c.cls;
        v[p + "CtrlStyle"] = std::string_view(c.id) == "2105" ? "WS_CHILD|WS_VISIBLE|LVS_REPORT" : "WS_CHILD|WS_VISIBLE";
        v[p + "CtrlPosType"] = "3";
        v[p + "CtrlPos"] = c.pos;
        v[p + "CtrlShow"] = "5";
        v[p + "CtrlText"] = c.text;
        v[p + "CtrlTextOffSet"] = c.offset;
        v[p + "CtrlTextColor"] = c.textColor;
        v[p + "CtrlFont"] = "宋体";
        v[p + "CtrlFontSize"] = c.fontSize;
        v[p + "CtrlDiscrip"] = c.discrip;
    }
    return v;
}

Values ParseValues(int id)
{
    pugi::xml_parse_result result;
    const pugi::xml_document document = ParseDocument(DocumentText(id), result);
    EXPECT_TRUE(result) << result.description();
    return FlattenValues(document);
}

TEST(LayoutDocuments, EnglishHasEveryValueOfTheMainWindow)
{
    EXPECT_EQ(ParseValues(150), EnglishValues());
}

// What a document changes against the English one: its texts and the few
// positions, colours and fonts of its language.
Values Texts(const char* list, const char* hint, const char* login, const char* refresh, const char* storage,
             const char* name, const char* ip, const char* type, const char* wait)
{
    return {{"2104.CtrlText", list},
            {"2105.CtrlText", list},
            {"2106.CtrlText", hint},
            {"2107.CtrlText", login},
            {"2108.CtrlText", refresh},
            {"2109.CtrlText", storage},
            {"String.SEARCH_DEVICE_LIST_ITEM_NAME", name},
            {"String.SEARCH_DEVICE_LIST_ITEM_IP", ip},
            {"String.SEARCH_DEVICE_LIST_ITEM_TYPE", type},
            {"String.SEARCH_DEVICE_WATI_TIME_WARNING", wait}};
}

// The look shared by the Chinese, Spanish, Italian and Dutch documents.
Values ChineseShape()
{
    return {{"DialogInfo.DialogDiscrip", "搜索工具窗口"},
            {"Standard.DlgTextColor", "6,65,105"},
            {"2102.CtrlPos", "30,4,200,25"},
            {"2106.CtrlPos", "10,194,224,15"},
            {"2101.CtrlDiscrip", "LOG图片显示"},
            {"2102.CtrlDiscrip", "对话框标题栏"},
            {"2103.CtrlDiscrip", "关闭按钮"},
            {"2104.CtrlDiscrip", "设备列表标题"},
            {"2105.CtrlDiscrip", "设备列表栏"},
            {"2106.CtrlDiscrip", "刷新设备提示信息"},
            {"2107.CtrlDiscrip", "登陆按钮"},
            {"2108.CtrlDiscrip", "刷新按钮"},
            {"2109.CtrlDiscrip", "我的存储按钮"}};
}

Values Merge(Values a, const Values& b)
{
    for (const auto& [key, value] : b) {
        a[key] = value;
    }
    return a;
}

Values JapaneseChanges()
{
    Values v = Texts("デバイス一覧", "を検索しています…", "ログイン", "更新", "My Storage", "ホスト名", "IPアドレス",
                     "デバイスタイプ", "を検索しています");
    // "My Storage" is the English text kept; it is not a change.
    v.erase("2109.CtrlText");
    v["DialogInfo.DialogText"] = "Korbane";
    v["2102.CtrlText"] = "Korbane";
    v["2106.CtrlPos"] = "10,194,310,15";
    v["Standard.DialogFont"] = "MS Mincho";
    v["String.SEARCH_DEVICE_LIST_HEADER_FONT_NAME"] = "MS Mincho";
    for (int id = 2101; id <= 2109; ++id) {
        v[std::to_string(id) + ".CtrlFont"] = "MS Mincho";
    }
    return v;
}

TEST(LayoutDocuments, OtherLanguagesDifferFromEnglishInExactlyTheirOwnValues)
{
    const struct {
        int id;
        const char* language;
        Values changes;
    } cases[] = {
        {149, "Chinese (Simplified)",
         Merge(ChineseShape(), Texts("设备列表", "正在刷新设备列表,请等待...", "登 陆", "刷 新", "我的存储", "主机名称",
                                     "IP地址", "设备类型", "正在刷新设备列表,请等待"))},
        {159, "Japanese", JapaneseChanges()},
        {161, "French",
         Merge({{"2104.CtrlPos", "15,32,250,15"}, {"2106.CtrlPos", "10,194,300,15"}},
               Texts("Liste des Appareils", "Rechercher de nouveaux appareils, attendez-vous…", "Connecter",
                     "Rafraîchir", "Mon Storage", "Nom d'Hôte", "Adresse IP", "Type d'Appareil",
                     "Rechercher de nouveaux appareils, attendez-vous"))},
        {165, "Spanish",
         Merge(ChineseShape(), Texts("Lista de dispositivos", "Buscando dispositivos nuevos, espere…", "Iniciar sesión",
                                     "Actualizar", "Mi almacén", "Nombre de host", "Dirección IP",
                                     "Tipo de dispositivo", "Buscando dispositivos nuevos, espere"))},
        {166, "Italian",
         Merge(ChineseShape(),
               Texts("Elenco dispositivi", "Ricerca di nuovi dispositivi in corso, attendere…", "Accedi", "Aggiorna",
                     "Il mio archivio", "Nome host", "Indirizzo IP", "Tipo di dispositivo",
                     "Ricerca di nuovi dispositivi in corso, attendere"))},
        {169, "Dutch",
         Merge(ChineseShape(),
               Texts("Apparaatlijst", "Zoeken naar nieuwe apparaten, even geduld alstublieft...", "Inloggen",
                     "Vernieuwen", "Mijn Opslag", "Hostnaam", "IP-adres", "Apparaatsoort",
                     "Zoeken naar nieuwe apparaten, even geduld alstublieft"))},
    };
    const Values english = ParseValues(150);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        const Values document = ParseValues(c.id);
        EXPECT_EQ(document, Merge(english, c.changes));
        // Each listed change really is a change, so the table cannot hide a
        // value that was left in English by mistake.
        for (const auto& [key, value] : c.changes) {
            EXPECT_NE(english.at(key), value) << key;
        }
    }
}

}  // namespace
