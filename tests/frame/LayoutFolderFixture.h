#pragma once
// A configuration folder of its own for a test: a scratch base folder with
// the picture folder filled from resources/pictures and the layout file taken
// from one of the built-in documents (or from a text the test gives), and
// SCOUTREL_BASE_DIR pointing at it for the test's duration.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class LayoutFolder {
public:
    LayoutFolder()
    {
        namespace fs = std::filesystem;
        base_ = fs::temp_directory_path() / ("scoutrel-frame-" + std::to_string(::getpid()) + "-" +
                                             std::to_string(counter_++));
        fs::remove_all(base_);
        fs::create_directories(PictureFolder());
        for (const auto& entry : fs::directory_iterator(SourceDir() / "resources" / "pictures"))
            fs::copy_file(entry.path(), PictureFolder() / entry.path().filename(), fs::copy_options::overwrite_existing);
        ::setenv("SCOUTREL_BASE_DIR", base_.c_str(), 1);
        UseDocument("english.xml");
    }
    ~LayoutFolder()
    {
        ::unsetenv("SCOUTREL_BASE_DIR");
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }

    static std::filesystem::path SourceDir()
    {
        const char* dir = std::getenv("SCOUTREL_SOURCE_DIR");
        return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::path(SCOUTREL_TEST_SOURCE_DIR);
    }

    // The text of a built-in document (resources/layouts/NAME).
    static std::string Document(const std::string& name)
    {
        std::ifstream in(SourceDir() / "resources" / "layouts" / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void UseDocument(const std::string& name) { WriteLayout(Document(name)); }
    void WriteLayout(const std::string& text)
    {
        std::ofstream(ToolFolder() / "WndLayoutInfo.xml", std::ios::binary | std::ios::trunc) << text;
    }

    std::filesystem::path ToolFolder() const { return base_ / "ZelvoSearchTools"; }
    std::filesystem::path PictureFolder() const { return ToolFolder() / "Picture"; }

private:
    std::filesystem::path base_;
    static inline int counter_ = 0;
};

// The text with the first occurrence of `from` replaced by `to`.
inline std::string ReplaceOnce(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "not in the document: " << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The document without the CtrlInfo element of one control id.
inline std::string WithoutControl(std::string text, int id)
{
    const std::string key = "CtrlID=\"" + std::to_string(id) + "\"";
    const std::size_t keyAt = text.find(key);
    EXPECT_NE(keyAt, std::string::npos);
    if (keyAt == std::string::npos) return text;
    const std::size_t start = text.rfind("<CtrlInfo", keyAt);
    const std::size_t end = text.find("/>", keyAt);
    text.erase(start, end + 2 - start);
    return text;
}
