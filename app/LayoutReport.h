#pragma once
// What the layout reader produced, written out for people who write their own
// layout files: as readable text or as one JSON object whose keys are the
// record's field names.
#include <string>

#include "layout/LayoutRecords.h"

// A read that stopped at an absent attribute.
struct LayoutReadProblem {
    std::string element;
    std::string attribute;
    int line = 0;  // 1-based line of the element in the file, 0 when unknown
};

std::string FormatLayoutAsText(const DialogLayout& layout);

// The record as one JSON object, followed by a newline. With a problem, the
// object also carries an "error" member naming the element and the attribute.
std::string FormatLayoutAsJson(const DialogLayout& layout, const LayoutReadProblem* problem);
