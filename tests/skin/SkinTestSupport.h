#pragma once
// Shared pieces of the window tests of the skin: a headless host with a
// top-level parent window that records the messages it gets, and status
// strips written as PNG files with one solid colour per state.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/HeadlessHost.h"
#include "platform/Window.h"

namespace skintest {

// A top-level window that keeps every message it handles.
class RecordingWindow : public platform::Window {
public:
    std::intptr_t HandleMessage(const platform::Message& message) override
    {
        messages.push_back(message);
        return platform::Window::HandleMessage(message);
    }
    // The messages of one number, in arrival order.
    std::vector<platform::Message> Received(platform::MessageId id) const
    {
        std::vector<platform::Message> found;
        for (const platform::Message& m : messages) {
            if (m.id == id) {
                found.push_back(m);
            }
        }
        return found;
    }
    std::vector<platform::Message> messages;
};

// Colours of the test strips: normal, hover, pressed, disabled, then four
// more for eight-state strips.
inline const std::vector<platform::Argb> kStateColours{
    0xFF102030, 0xFF20A040, 0xFFC03010, 0xFF808080, 0xFF0000FF, 0xFF00FFFF, 0xFFFF00FF, 0xFFFFFF00,
};

// Writes a strip of `count` states, each stateWidth x height of one solid
// colour, and returns its path. extraColumns adds columns of white at the
// right that belong to no state.
std::string WriteStripPng(const std::string& name, int count, int stateWidth, int height, int extraColumns = 0);

// The folder the tests write their files into.
std::string TestFolder();

// The whole parent's pixels as last painted.
platform::Argb PixelOf(const platform::Window& topLevel, int x, int y);

class SkinWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Paints what is invalid.
    void Paint() { host.Pump(); parent.Update(); }
    // A pointer position in screen coordinates from the parent's client.
    platform::Point Screen(int x, int y) const { return parent.ClientToScreen(platform::Point{x, y}); }

    platform::HeadlessHost host;
    RecordingWindow parent;
    static constexpr platform::Argb kParentColour = 0xFF336699;
};

} // namespace skintest
