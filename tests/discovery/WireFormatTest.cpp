// The bytes that go on the wire, and parser cases that need exact buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "discovery/SearchParsers.h"
#include "discovery/SearchProtocol.h"

namespace {

TEST(WireFormat, SearchRequestIsByteExact) {
    const SearchPacket request = SearchProtocol::MakeSearchRequest();
    std::vector<unsigned char> expected = {11, 1, 0, 0, 255, 255, 255, 255};
    expected.resize(148, 0);
    ASSERT_EQ(sizeof request, 148u);
    EXPECT_EQ(std::memcmp(&request, expected.data(), expected.size()), 0);
}

TEST(WireFormat, SearchMessageIsTheExact129Bytes) {
    const std::string expected =
        "M-SEARCH * HTTP/1.1\r\nHOST: 239.143.255.250:1900\r\n"
        "ST: urn:schemas-upnp-org:device:VezoDovOdezer:1\r\nMAN: \"ssdp:discover\"\r\nMX: 3\r\n\r\n";
    EXPECT_EQ(SearchProtocol::kSearchMessage.size(), 129u);
    EXPECT_EQ(std::string(SearchProtocol::kSearchMessage), expected);
    EXPECT_NE(SearchProtocol::kSearchMessage.find(SearchProtocol::kSearchTarget), std::string_view::npos);
    // The looped-back search must not look like an answer to the parser.
    EXPECT_FALSE(ParseSsdpMessage(SearchProtocol::kSearchMessage, "198.18.0.1").has_value());
}

TEST(WireFormat, ReplyBuilderAndParserAgree) {
    const SearchPacket reply = SearchProtocol::MakeSearchReply(1, "id=7&host=box&vendor=Talven&product=R3");
    const std::string_view bytes(reinterpret_cast<const char*>(&reply), sizeof reply);
    const BroadcastReplyResult parsed = ParseBroadcastReply(bytes, "198.18.0.9");
    ASSERT_EQ(parsed.status, BroadcastReplyStatus::Accepted);
    EXPECT_EQ(DeviceRecord::View(parsed.record.szDeviceID), "7");
    EXPECT_EQ(DeviceRecord::View(parsed.record.szVendor), "Talven");
    EXPECT_EQ(DeviceRecord::View(parsed.record.szIP), "198.18.0.9");
    // Over-long text is cut so that the area stays zero-terminated.
    const SearchPacket longReply = SearchProtocol::MakeSearchReply(1, std::string(300, 'a'));
    EXPECT_EQ(longReply.szText[127], '\0');
    EXPECT_EQ(longReply.szText[126], 'a');
}

// The parser gets exactly the received bytes, in a buffer of exactly that
// size, so that a read past the end shows under AddressSanitizer.
std::optional<DeviceRecord> ParseExact(const std::string& text) {
    auto buffer = std::make_unique<char[]>(text.size());
    std::memcpy(buffer.get(), text.data(), text.size());
    return ParseSsdpMessage(std::string_view(buffer.get(), text.size()), "198.18.0.5");
}

TEST(SsdpParserBounds, MessageEndingInsideTheServerHeader) {
    const std::string head = "HTTP/1.1 200 OK\r\nUSN: uuid:dev-1::x\r\nSERVER: L KYMO/1.0,";
    struct Case {
        std::string tail;
        std::string firmware, vendor, host;
    };
    const std::vector<Case> cases = {
        {"", "1.0", "", ""},             // no second comma
        {",", "1.0", "", ""},            // product part would start past the end
        {", ", "1.0", "", ""},           // product part empty, no line end
        {", A/b/c", "1.0", "", ""},      // no line end after the product part
        {", A/b/c\r", "1.0", "A", "b"},  // complete, ends at the last byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tail);
        const auto record = ParseExact(head + c.tail);
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(DeviceRecord::View(record->szFirmwareVersion), c.firmware);
        EXPECT_EQ(DeviceRecord::View(record->szVendor), c.vendor);
        EXPECT_EQ(DeviceRecord::View(record->szHostName), c.host);
        EXPECT_EQ(DeviceRecord::View(record->szIP), "198.18.0.5");
    }
}

TEST(SsdpParserBounds, TruncatedTokensAtTheEndAreDropped) {
    // Each message stops inside or right after a token the parser needs.
    for (const std::string text : {"HTTP KYMO LOCATION:", "HTTP KYMO LOCATION: http:/", "HTTP KYMO LOCATION: http://a",
                                   "HTTP KYMO USN:", "HTTP KYMO USN: uuid:", "HTTP KYMO USN: uuid:a:",
                                   "NOTIFY KYMO rootdevice USN: uuid:a:: NTS:"}) {
        SCOPED_TRACE(text);
        const auto record = ParseExact(text);
        if (text.starts_with("NOTIFY")) {
            // NTS without a value: an announcement of no known kind.
            ASSERT_TRUE(record.has_value());
            EXPECT_EQ(record->nType, RECORD_TYPE_NONE);
        } else {
            EXPECT_FALSE(record.has_value());
        }
    }
}

TEST(SsdpParserBounds, ProductPartIsCutToSixtyThreeBeforeItIsSplit) {
    const std::string base = "HTTP/1.1 200 OK\r\nUSN: uuid:d::x\r\nSERVER: KYMO/1, U, ";
    const std::string tail = "/" + std::string(10, 'h') + "/" + std::string(10, 'p') + "/e\r\n";
    // 39 + 24 = 63 characters: the extra text keeps its one byte.
    const auto kept = ParseExact(base + std::string(39, 'v') + tail);
    // 40 + 24 = 64 characters: the cut takes the extra text's byte.
    const auto cut = ParseExact(base + std::string(40, 'v') + tail);
    ASSERT_TRUE(kept && cut);
    EXPECT_EQ(DeviceRecord::View(kept->szExtraInfo), "e");
    EXPECT_EQ(DeviceRecord::View(cut->szExtraInfo), "");
    EXPECT_EQ(DeviceRecord::View(cut->szVendor), std::string(31, 'v'));
    EXPECT_EQ(DeviceRecord::View(cut->szHostName), std::string(10, 'h'));
    EXPECT_EQ(DeviceRecord::View(cut->szProduct), std::string(10, 'p'));
    // Cut inside the product: "vvv.../h/" leaves an empty product and no
    // extra text.
    const auto noProduct = ParseExact(base + std::string(60, 'v') + "/h/p\r\n");
    ASSERT_TRUE(noProduct);
    EXPECT_EQ(DeviceRecord::View(noProduct->szHostName), "h");
    EXPECT_EQ(DeviceRecord::View(noProduct->szProduct), "");
}

}  // namespace
