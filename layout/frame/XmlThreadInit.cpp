#include "layout/frame/XmlThreadInit.h"

namespace {
thread_local int tHeld = 0;
}

XmlThreadInit::XmlThreadInit() { ++tHeld; }
XmlThreadInit::~XmlThreadInit() { --tHeld; }
int XmlThreadInit::CountOnThisThread() { return tHeld; }
