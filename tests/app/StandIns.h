#pragma once
// Recording stand-ins for the programs the device actions start: small shell
// scripts in a temporary folder that append their name and arguments to one
// record file, one line per start ("name <arg1> <arg2>"). The stand-in for
// gio also prints a fixture listing when asked for "mount -l".
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/ActionTools.h"

class StandIns {
public:
    StandIns() {
        char pattern[] = "/tmp/scoutrel-actions-XXXXXX";
        const char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        dir_ = made != nullptr ? made : "/tmp";
        record_ = dir_ + "/record";
        listing_ = dir_ + "/gio-listing";
        mountTable_ = dir_ + "/mounts";
        WriteFile(listing_, "");
        WriteFile(mountTable_, "");
        for (const char* name : {"xdg-open", "gio", "umount"}) WriteScript(name);
    }
    ~StandIns() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    StandIns(const StandIns&) = delete;
    StandIns& operator=(const StandIns&) = delete;

    ActionTools Tools() const {
        ActionTools tools;
        tools.xdgOpen = dir_ + "/xdg-open";
        tools.gio = dir_ + "/gio";
        tools.umount = dir_ + "/umount";
        tools.mountTable = mountTable_;
        return tools;
    }
    const std::string& dir() const { return dir_; }

    void SetGioListing(const std::string& text) const { WriteFile(listing_, text); }
    void SetMountTable(const std::string& text) const { WriteFile(mountTable_, text); }
    // Makes the gio stand-in leave a helper behind that keeps its output open
    // for a few seconds, as a daemon started on demand might.
    void LeaveGioHelperRunning() const { WriteScript("gio", "sleep 3 &\n"); }

    // The lines recorded so far.
    std::vector<std::string> Recorded() const {
        std::ifstream in(record_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    // Waits until at least count lines are recorded, or five seconds passed.
    std::vector<std::string> WaitForRecorded(std::size_t count) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::vector<std::string> lines = Recorded();
        while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            lines = Recorded();
        }
        return lines;
    }

private:
    static void WriteFile(const std::string& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }

    // Each argument in angle brackets, so that spaces and empty arguments
    // show; the line is written with one append.
    void WriteScript(const std::string& name, const std::string& extra = "") const {
        std::ostringstream script;
        script << "#!/bin/sh\n"
               << "line='" << name << "'\n"
               << "for a in \"$@\"; do line=\"$line <$a>\"; done\n"
               << "printf '%s\\n' \"$line\" >> '" << record_ << "'\n";
        if (name == "gio")
            script << "if [ \"$1\" = mount ] && [ \"$2\" = -l ]; then cat '" << listing_ << "'; fi\n";
        script << extra;
        const std::string path = dir_ + "/" + name;
        WriteFile(path, script.str());
        chmod(path.c_str(), 0755);
    }

    std::string dir_;
    std::string record_;
    std::string listing_;
    std::string mountTable_;
};
