#pragma once
// A rough picture of the main window put together from the built-in
// pictures at the places the English layout gives them, with sample texts
// and rows, to judge by eye whether the pieces fit. Not used by the program.
#include <filesystem>

// Writes mock.png (actual size), mock-x3.png, and every picture magnified
// eight times (the bitmap as PNG) into the folder, which must exist.
void WritePreviews(const std::filesystem::path& folder);
