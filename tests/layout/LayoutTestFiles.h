#pragma once
// Paths of the layout files the reader tests read: the golden files next to
// the tests and the shipped documents under resources/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

inline std::string SourceDir() {
    const char* dir = std::getenv("SCOUTREL_SOURCE_DIR");
    EXPECT_NE(dir, nullptr) << "SCOUTREL_SOURCE_DIR is not set (run the tests through ctest)";
    return dir ? dir : ".";
}

inline std::string GoldenLayout(const std::string& name) {
    return SourceDir() + "/tests/layout/layouts/" + name;
}

inline std::string ShippedLayout(const std::string& name) {
    return SourceDir() + "/resources/layouts/" + name;
}
