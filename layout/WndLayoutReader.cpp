#include "layout/WndLayoutReader.h"

#include <utility>

#include "layout/ConfigPaths.h"
#include "layout/LayoutValueParsers.h"
#include "layout/WindowStyle.h"
#include "layout/XmlDocument.h"

namespace {

std::string DescribeMissing(const std::string& element, const std::string& attribute) {
    return "element '" + element + "' has no attribute '" + attribute + "'";
}

// Reads the attributes of one element; every attribute asked for is required.
class AttributeReader {
public:
    explicit AttributeReader(const XmlElement& element) : element_(element) {}

    std::string_view Text(std::string_view name) const {
        const std::optional<std::string_view> value = element_.GetAttribute(name);
        if (!value) {
            throw LayoutAttributeMissing(std::string(element_.Name()), std::string(name),
                                         element_.SourceOffset());
        }
        return *value;
    }
    std::int32_t Integer(std::string_view name) const { return ParseLayoutInteger(Text(name)); }
    std::string Path(std::string_view name, std::string_view base) const {
        return JoinConfigPath(base, Text(name));
    }
    // Colours are kept both as written and as a value.
    void Color(std::string_view name, std::string& text, LayoutColor& value) const {
        text = Text(name);
        ParseLayoutColor(text, value);
    }

private:
    const XmlElement& element_;
};

void ReadSection(DialogLayout& layout, const XmlElement& section, std::string_view base) {
    const AttributeReader read(section);
    layout.strBGPath = read.Path("DialogBGPath", base);
    read.Color("DialogBGColor", layout.strBGColor, layout.clrBG);
    layout.nPaintMode = read.Integer("DlgPaintMode");
    ParseLayoutPoint(read.Text("DlgTextOffSet"), layout.ptTextOffset);
    read.Color("DlgTextColor", layout.strTextColor, layout.clrText);
    layout.strFont = read.Text("DialogFont");
    layout.nFontSize = read.Integer("DialogFontSize");
    ParseLayoutRect(read.Text("DialogPos"), layout.rcPos);
}

// Clears what every control sets anew. The colours and the position are left
// as the previous control had them: a colour or position text with too few
// commas leaves (part of) them unchanged, and then the earlier value shows.
void ClearScratchControl(ControlLayout& control) {
    control.nCtrlID = 0;
    control.strBGPath.clear();
    control.nBGStatusCount = 0;
    control.nPaintMode = 0;
    control.strClass.clear();
    control.dwStyle = 0;
    control.strDiscrip.clear();
    control.strText.clear();
    control.strTextColor.clear();
    control.clrText = 0;
    control.ptTextOffset = LayoutPoint{};
    control.strFont.clear();
    control.nFontSize = 0;
    control.nPosType = 0;
    control.nShow = 0;
}

void ReadControl(ControlLayout& control, const XmlElement& element, std::string_view base) {
    const AttributeReader read(element);
    control.nCtrlID = read.Integer("CtrlID");
    control.strBGPath = read.Path("CtrlBGPath", base);
    control.nBGStatusCount = read.Integer("CtrlBGStatusCount");
    read.Color("CtrlBGColor", control.strBGColor, control.clrBG);
    read.Color("CtrlBorderColor", control.strBorderColor, control.clrBorder);
    control.nPaintMode = read.Integer("CtrlPaintMode");
    control.strClass = read.Text("CtrlClass");
    control.dwStyle = ParseWindowStyle(read.Text("CtrlStyle"));
    control.nPosType = read.Integer("CtrlPosType");
    ParseLayoutRect(read.Text("CtrlPos"), control.rcPos);
    control.nShow = read.Integer("CtrlShow");
    control.strText = read.Text("CtrlText");
    ParseLayoutPoint(read.Text("CtrlTextOffSet"), control.ptTextOffset);
    read.Color("CtrlTextColor", control.strTextColor, control.clrText);
    control.strFont = read.Text("CtrlFont");
    control.nFontSize = read.Integer("CtrlFontSize");
    control.strDiscrip = read.Text("CtrlDiscrip");
}

}  // namespace

LayoutAttributeMissing::LayoutAttributeMissing(std::string element, std::string attribute,
                                               std::ptrdiff_t offset)
    : std::runtime_error(DescribeMissing(element, attribute)),
      element_(std::move(element)),
      attribute_(std::move(attribute)),
      offset_(offset) {}

void ResetDialogLayout(DialogLayout& layout) {
    layout.nDialogID = 0;
    layout.strBGPath.clear();
    layout.nPaintMode = 0;
    layout.strText.clear();
    layout.strDiscrip.clear();
    layout.strTextColor.clear();
    layout.clrText = 0;
    layout.ptTextOffset = LayoutPoint{};
    layout.strFont.clear();
    layout.nFontSize = 0;
    layout.mapCtrlLayouts.clear();
    layout.mapStrings.clear();
}

void ReadWndLayoutDocument(DialogLayout& layout, const XmlDocument& document, std::int32_t dialogId,
                           std::string_view section) {
    // One scratch record serves every control of the read.
    ControlLayout scratch;
    for (const XmlElement& dialog : document.SelectDialogInfoElements()) {
        const AttributeReader read(dialog);
        if (read.Integer("DialogID") != dialogId) continue;
        layout.nDialogID = dialogId;
        layout.strText = read.Text("DialogText");
        layout.strDiscrip = read.Text("DialogDiscrip");

        if (const XmlElement sectionElement = dialog.SelectFirstChild(section)) {
            const std::string base = GetConfigBaseFolder();
            ReadSection(layout, sectionElement, base);
            for (const XmlElement& element : sectionElement.ElementsByTagName("CtrlInfo")) {
                ClearScratchControl(scratch);
                ReadControl(scratch, element, base);
                layout.mapCtrlLayouts.emplace(scratch.nCtrlID, scratch);  // never replaces
            }
        }

        for (const XmlElement& element : dialog.ElementsByTagName("StringInfo")) {
            const AttributeReader readString(element);
            std::string key(readString.Text("StringID"));
            std::string value(readString.Text("StringValue"));
            layout.mapStrings.emplace(std::move(key), std::move(value));  // never replaces
        }
    }
}

BOOL ReadWndLayoutInfo(DialogLayout& layout, const std::string& path, std::int32_t dialogId,
                       std::string_view section) {
    ResetDialogLayout(layout);
    if (path.empty()) return FALSE;
    // Creating a document cannot fail with this library, and whether the load
    // succeeded is deliberately not looked at: an unusable file leaves an
    // empty document in which nothing matches.
    XmlDocument document;
    document.LoadFile(path);
    ReadWndLayoutDocument(layout, document, dialogId, section);
    return TRUE;
}
