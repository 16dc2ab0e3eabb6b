// scoutrel --list and --watch as a user runs them, in the lab's computer
// namespace, with simulated devices in the device namespaces.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>

#include "tests/lab/JsonReader.h"
#include "tests/lab/LabHarness.h"

namespace {

using namespace lab;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct ScoutrelRun {
    std::optional<int> status;
    std::string out;
    std::string err;
};

ScoutrelRun Scoutrel(std::vector<std::string> args) {
    args.insert(args.begin(), BinaryPath("scoutrel"));
    const std::string err = ScratchPath("stderr");
    Process p = Process::Start(args, {}, err, true);
    ScoutrelRun run;
    run.out = p.ReadAll(20s);
    run.status = p.Wait(5s);
    run.err = ReadFile(err);
    return run;
}

TEST(List, JsonListsEveryDeviceWithTheTenTexts) {
    const Lab& lab = CurrentLab();
    // One device that answers SSDP only, with a host name that is neither
    // UTF-8 nor free of quotes; one that answers the broadcast only.
    Simulator ssdp = StartSimulator(lab.Device(1), {"--only", "ssdp", "--no-alive", "--id", "s-1", "--host",
                                                    "caf\xe9\"1", "--ssid", "Lab Net", "--firmware", "3.3"});
    Simulator broadcast = StartSimulator(lab.Device(2), {"--only", "broadcast", "--id", "b-2", "--host", "two",
                                                         "--vendor", "queno", "--product", "Q2"});
    const ScoutrelRun run = Scoutrel({"--list", "--json", "--wait", "1.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto value = JsonReader::Parse(run.out);
    ASSERT_TRUE(value) << "not valid JSON:\n" << run.out;
    ASSERT_EQ(value->type, JsonValue::Type::Array);
    ASSERT_EQ(value->items.size(), 2u) << run.out << ssdp.Log() << broadcast.Log();
    const std::vector<std::string> keys = {"id", "ip", "host", "product", "extra", "firmware", "vendor", "ssid",
                                           "mac0", "mac1"};
    for (const JsonValue& device : value->items) {
        std::vector<std::string> got;
        for (const auto& [k, v] : device.members) {
            got.push_back(k);
            EXPECT_EQ(v.type, JsonValue::Type::String) << k;
        }
        EXPECT_EQ(got, keys);
    }
    const JsonValue* s = nullptr;
    const JsonValue* b = nullptr;
    for (const JsonValue& d : value->items) (d.Text("id") == "s-1" ? s : b) = &d;
    ASSERT_TRUE(s && b) << run.out;
    EXPECT_EQ(s->Text("ip"), lab.Device(1).ip);
    EXPECT_EQ(s->Text("host"), "caf\xc3\xa9\"1");  // the byte 0xE9 as \u00e9
    EXPECT_EQ(s->Text("ssid"), "Lab Net");
    EXPECT_EQ(s->Text("firmware"), "3.3");
    EXPECT_EQ(s->Text("extra"), "sim");
    EXPECT_EQ(s->Text("mac1"), "02:00:5e:00:00:02");
    EXPECT_EQ(b->Text("ip"), lab.Device(2).ip);
    EXPECT_EQ(b->Text("host"), "two");
    EXPECT_EQ(b->Text("vendor"), "queno");
    EXPECT_EQ(b->Text("firmware"), "");
}

TEST(List, TableOnStdoutAndLogInItsFile) {
    const Lab& lab = CurrentLab();
    Simulator sim = StartSimulator(lab.Device(1), {"--no-alive", "--only", "ssdp", "--host", "travelbox"});
    const std::string log = ScratchPath("list-log");
    const ScoutrelRun run = Scoutrel({"--list", "--wait", "1", "--log", log});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string header, row, rest;
    std::getline(lines, header);
    std::getline(lines, row);
    EXPECT_EQ(header.rfind("HOST NAME", 0), 0u) << run.out;
    EXPECT_TRUE(Contains(header, "IP ADDRESS") && Contains(header, "FIRMWARE")) << header;
    EXPECT_EQ(row.rfind("travelbox", 0), 0u) << run.out;
    EXPECT_TRUE(Contains(row, lab.Device(1).ip) && Contains(row, "2.0.1")) << row;
    EXPECT_FALSE(std::getline(lines, rest)) << run.out;
    // The log has the whole run and its closing line; its echo went to
    // stderr, not into the result.
    const std::string text = ReadFile(log);
    EXPECT_TRUE(Contains(text, "SendThread 1900 : Send Search Device Command")) << text;
    EXPECT_TRUE(Contains(text, "Handle Mulitcast Recive Information Success")) << text;
    EXPECT_TRUE(Contains(text, "------Exit Log System-------\r\n")) << text;
    EXPECT_TRUE(Contains(run.err, "SendThread 1900 : Send Search Device Command")) << run.err;
}

TEST(List, NoDevicesIsNoError) {
    const ScoutrelRun json = Scoutrel({"--list", "--json", "--wait", "0.5"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, "[]\n");
    const ScoutrelRun text = Scoutrel({"--list", "--wait", "0.2"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "No devices found.\n");
}

TEST(Watch, PrintsDevicesAsTheyComeAndGoUntilInterrupted) {
    const Lab& lab = CurrentLab();
    Process watch = Process::Start({BinaryPath("scoutrel"), "--watch", "--json"}, {}, ScratchPath("watch-err"), true);
    std::this_thread::sleep_for(300ms);
    // The device arrives after the first search: its announcement brings it in.
    Simulator sim = StartSimulator(lab.Device(1), {"--only", "ssdp", "--id", "w-1", "--alive-interval", "0"});
    auto next = [&](const std::string& event) -> std::optional<JsonValue> {
        while (auto line = watch.ReadLine(4s)) {
            auto v = JsonReader::Parse(*line);
            EXPECT_TRUE(v) << "not JSON: " << *line;
            if (v && v->Text("event") == event) return v;
        }
        return std::nullopt;
    };
    const auto appeared = next("appeared");
    ASSERT_TRUE(appeared) << sim.Log();
    ASSERT_TRUE(appeared->Get("device"));
    EXPECT_EQ(appeared->Get("device")->Text("id"), "w-1");
    EXPECT_EQ(appeared->Get("device")->Text("ip"), lab.Device(1).ip);
    ASSERT_EQ(sim.Stop(), 0);  // byebye
    const auto left = next("left");
    ASSERT_TRUE(left);
    EXPECT_EQ(left->Get("device")->Text("id"), "w-1");
    watch.Signal(SIGINT);
    EXPECT_EQ(watch.Wait(3s), 0);
}

}  // namespace
