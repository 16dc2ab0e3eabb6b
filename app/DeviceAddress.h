#pragma once
// The device address as the actions accept it. The address text comes from
// the network (a device may put any text into its answer), so every action
// takes a DeviceAddress, which only the check below can make, and builds its
// URLs and paths from that checked text alone.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class DeviceAddress {
public:
    // The dotted-decimal text, e.g. "198.18.0.1".
    const std::string& text() const { return text_; }

private:
    explicit DeviceAddress(std::string text) : text_(std::move(text)) {}
    friend std::optional<DeviceAddress> ValidateDeviceAddress(std::string_view text);
    std::string text_;
};

// Gives the address when the text is exactly a dotted-decimal IPv4 literal:
// four decimal parts of one to three digits, each at most 255, no leading
// zeros, nothing before, between or after them. Anything else gives nothing.
std::optional<DeviceAddress> ValidateDeviceAddress(std::string_view text);

// Tells whether the text names the address as a whole host: the address
// occurs with no host character (letter, digit, '-', '_' or '.') directly
// before it and none after it, where a '.' after it counts only when another
// letter or digit follows. So "smb://198.18.0.1/" and "share on 198.18.0.1"
// name 198.18.0.1, while "198.18.0.12" and "10.198.18.0.1" do not.
bool NamesHost(std::string_view text, std::string_view address);
