#include "platform/MessageBox.h"

#include "platform/Host.h"

namespace platform {

void ShowMessageBox(Window* owner, const std::string& text, const std::string& caption) {
    Host::Current().ShowMessageBox(owner, caption, text);
}

}  // namespace platform
