// The resource table compiled into the program: every built-in file is found
// by its number and type name and holds exactly the committed bytes.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "resources/EmbeddedResources.h"
#include "tests/resources/ResourceTestFiles.h"

namespace {

struct ExpectedResource {
    int id;
    std::string_view type;
    std::string file;
};

// The table in its order: layout documents, then the pictures in the order
// they are written to the picture folder.
const ExpectedResource kExpected[] = {
    {149, "XML", "layouts/chinese-simplified.xml"},
    {150, "XML", "layouts/english.xml"},
    {159, "XML", "layouts/japanese.xml"},
    {161, "XML", "layouts/french.xml"},
    {165, "XML", "layouts/spanish.xml"},
    {166, "XML", "layouts/italian.xml"},
    {169, "XML", "layouts/dutch.xml"},
    {158, "BMP", "pictures/SearchDevice_BlackGround.bmp"},
    {146, "PNG", "pictures/SearchDevice_BlackGround.png"},
    {139, "PNG", "pictures/Brush.png"},
    {144, "PNG", "pictures/logo.png"},
    {147, "PNG", "pictures/headerbackground.png"},
    {148, "PNG", "pictures/headerclip.png"},
    {141, "PNG", "pictures/close.png"},
    {140, "PNG", "pictures/ButtonMax.png"},
};

TEST(EmbeddedResources, TableListsEveryBuiltInFileInOrder)
{
    const auto all = AllEmbeddedResources();
    ASSERT_EQ(all.size(), std::size(kExpected));
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(kExpected[i].file);
        EXPECT_EQ(all[i].nID, kExpected[i].id);
        EXPECT_EQ(all[i].strType, kExpected[i].type);
        EXPECT_EQ(all[i].strSourceName, kExpected[i].file);
    }
}

TEST(EmbeddedResources, EachIsFoundByNumberAndTypeWithTheCommittedBytes)
{
    for (const ExpectedResource& expected : kExpected) {
        SCOPED_TRACE(expected.file);
        const auto found = FindEmbeddedResource(expected.id, expected.type);
        ASSERT_TRUE(found.has_value());
        const std::vector<unsigned char> committed = ReadWholeFile(ResourceSourcePath(expected.file));
        EXPECT_EQ(found->size(), committed.size());
        EXPECT_TRUE(ToVector(*found) == committed) << "embedded bytes differ from the committed file";
    }
}

TEST(EmbeddedResources, UnknownNumbersAndWrongTypesAreNotFound)
{
    const struct {
        int id;
        std::string_view type;
    } misses[] = {
        {150, "PNG"},  // a document asked for as a picture
        {146, "XML"},  // a picture asked for as a document
        {158, "PNG"},  // the bitmap under the PNG type
        {146, "BMP"},  // the PNG background under the bitmap type
        {150, "xml"},  // type names are compared exactly
        {150, "XML "},
        {150, ""},
        {151, "XML"},  // numbers between and around the table's
        {145, "PNG"},
        {138, "PNG"},
        {170, "XML"},
        {0, "XML"},
        {-150, "XML"},
    };
    for (const auto& miss : misses) {
        SCOPED_TRACE(std::to_string(miss.id) + " \"" + std::string(miss.type) + "\"");
        EXPECT_FALSE(FindEmbeddedResource(miss.id, miss.type).has_value());
    }
}

}  // namespace
