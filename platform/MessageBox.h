#pragma once
// A message box: a text with a caption and an OK button, shown by the
// current host; returns once the user has dismissed it.
#include <string>

namespace platform {

class Window;

void ShowMessageBox(Window* owner, const std::string& text, const std::string& caption);

}  // namespace platform
