#pragma once
// The in-memory layout of one dialog and of each of its controls, as the
// layout reader fills them from the layout file.
//
// The texts of these records are UTF-16 strings on the platform the layout
// files were first written for; here they are kept as UTF-8 std::string, the
// form the XML library hands them over in and the drawing libraries take.
#include <cstdint>
#include <map>
#include <string>

#include "layout/LayoutValues.h"
#include "layout/Utf16Order.h"

struct ControlLayout {
    std::int32_t nCtrlID = 0;
    std::string strBGPath;  // base folder + CtrlBGPath
    std::int32_t nBGStatusCount = 0;
    std::string strBGColor;
    LayoutColor clrBG = 0;
    std::string strBorderColor;
    LayoutColor clrBorder = 0;
    std::int32_t nPaintMode = 0;
    std::string strClass;
    std::uint32_t dwStyle = 0;
    std::string strDiscrip;
    std::string strText;
    std::string strTextColor;
    LayoutColor clrText = 0;
    LayoutPoint ptTextOffset;
    std::string strFont;
    std::int32_t nFontSize = 0;
    std::int32_t nPosType = 0;
    LayoutRect rcPos;
    std::int32_t nShow = 0;

    friend bool operator==(const ControlLayout&, const ControlLayout&) = default;
};

struct DialogLayout {
    std::int32_t nDialogID = 0;  // the requested id once a DialogInfo matched, else 0
    std::string strBGPath;       // base folder + DialogBGPath
    std::string strBGColor;
    LayoutColor clrBG = 0;
    std::int32_t nPaintMode = 0;
    std::string strText;
    std::string strDiscrip;
    LayoutRect rcPos;
    std::string strTextColor;
    LayoutColor clrText = 0;
    LayoutPoint ptTextOffset;
    std::string strFont;
    std::int32_t nFontSize = 0;
    std::map<std::int32_t, ControlLayout> mapCtrlLayouts;
    std::map<std::string, std::string, Utf16CodeUnitLess> mapStrings;

    friend bool operator==(const DialogLayout&, const DialogLayout&) = default;
};
