#pragma once
// Registers the window classes of the skinned controls under the names the
// layout uses: "StandardButton", "RadioBoxButton", "CheckBoxButton",
// "DriftButton" (hand cursor) and "ShowTextCtrl", "ShowImageCtrl",
// "ShowTextImageCtrl" (arrow). Each control's constructor registers its own
// class too; calling this first lets a factory make controls by name with
// platform::WindowClassRegistry::Make before any control exists. Calling it
// again changes nothing.
void RegisterSkinWindowClasses();
