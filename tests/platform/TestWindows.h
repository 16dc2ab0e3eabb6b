#pragma once
// Small fixtures shared by the toolkit's tests: a dialog that records the
// commands and notifications of its children.
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/HeadlessHost.h"
#include "platform/ListView.h"

namespace platform::testing {

class RecordingDialog : public Dialog {
public:
    struct Command {
        int id;
        int code;
        Window* from;
    };
    struct Notification {
        int id;
        int code;
        int item;
        int selectedWhenNotified;  // first selected row at the moment of the notification
    };
    std::vector<Command> commands;
    std::vector<Notification> notifications;

protected:
    bool OnCommand(int id, int code, Window* from) override {
        commands.push_back({id, code, from});
        return true;
    }
    bool OnNotify(NotifyHeader& header, std::intptr_t* result) override {
        int item = -1;
        int selected = -1;
        if (auto* list = dynamic_cast<ListView*>(header.from)) {
            item = static_cast<ListViewNotify&>(header).item;
            selected = list->GetNextItem(-1, LVNI_SELECTED);
        }
        notifications.push_back({header.idFrom, header.code, item, selected});
        *result = 0;
        return true;
    }
};

// Left-button press and release at a screen point, as a user's click.
inline void ClickAt(HeadlessHost& host, Point p) {
    host.PointerMove(p);
    host.PointerButton(MouseButton::Left, true, p);
    host.PointerButton(MouseButton::Left, false, p);
    host.Pump();
}

}  // namespace platform::testing
